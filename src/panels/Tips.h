#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

// A coach mark: a text on a dark bubble, a pointer at a given point, and an OK button.
class Tips : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kSubTitleFontSize = 12;

    explicit Tips(QWidget* parent = nullptr);

    void setContentStr(const QString& text);
    const QString& contentStr() const { return contentStr_; }
    // Moves the pointer to the point and lays the tip out by kind (0, 2, 3, 4, 5).
    void customTipsViewWithPoint(const QPoint& point, int tipType, const QString& subTitle,
                                 const QString& subImageStr, const QSize& subImageSize);
    void tipsOkBtnAction();

    std::function<void()> handleTipsOKBtnActionBlock;

    QLabel* tipStandImage() const { return tipStandImage_; }
    QLabel* tipSubtitile() const { return tipSubtitile_; }
    QLabel* tipSubImage() const { return tipSubImage_; }
    // In the tip's own coordinates (the pointer may stand above the tip's top).
    QRect frameInTip(const QWidget* part) const { return part->property("frameInTip").toRect(); }

  protected:
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // The pointer and its sub-title and picture may lie outside the tip (a point above its
    // top), so they live beside it in the overlay and follow it.
    void placeOutside(QWidget* part, const QRect& frameInTip);
    void followTip();

    QString contentStr_;
    QLabel* tipsBG_;
    QLabel* contentLabel_;
    QLabel* tipStandImage_;
    QLabel* tipSubtitile_;
    QLabel* tipSubImage_;
    QPushButton* okBtn_;
};
