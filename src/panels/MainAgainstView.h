#pragma once

#include <functional>

#include "panels/MenuPanel.h"

class QPushButton;

// The actions of one secret: collect it, report it (the reasons come in their own panel), or
// take it off the timeline. Every open panel listens for the chosen report reason and reports
// its own secret with it.
class MainAgainstView : public MenuPanel {
    Q_OBJECT
  public:
    static inline const QString kReportReason = QStringLiteral("reportReason");

    explicit MainAgainstView(QWidget* parent = nullptr);
    ~MainAgainstView() override;

    Q_INVOKABLE void setFeedId(quint64 feedId) { feedId_ = feedId; }
    uint64_t feedId() const { return feedId_; }

    void collectionBtnAction();
    void againstBtnAction();
    void removeBtnAction();
    void handleReasonReturnValue(const QString& reason);

    std::function<void()> handleMainCellOtherRemoveBlock;
    std::function<void()> makeReportReasonViewShowBlock;

  private:
    uint64_t feedId_ = 0;
};
