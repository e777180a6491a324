#pragma once

#include <QPointer>
#include <functional>
#include <memory>

#include "model/Feed.h"
#include "toolkit/TableViewCell.h"

class QLabel;
class QPushButton;
class RemoteImageView;

// The secret row: one secret as a square card — its text on its background or photo, the
// origin label, like and comment counts — and the like button, which likes and un-likes on
// the spot and tells the server without waiting.
class MainViewCell : public TableViewCell {
    Q_OBJECT
  public:
    static inline const QString kIdentifier = QStringLiteral("mainCell");
    static constexpr int32_t kMuted = -1020202;

    explicit MainViewCell(QWidget* parent = nullptr);

    // The same secret as in the timeline's list: the row changes it in place.
    void setFeed(std::shared_ptr<Feed> feed);
    const std::shared_ptr<Feed>& feed() const { return feed_; }
    int32_t currentLikeNum() const { return currentLikeNum_; }
    QWidget* contentView() const { return contentView_; }

    void likeBtnAction();
    void commentBtnAction();
    void otherBtnAction();
    void cellShareBtnAction();
    void commitBtnAction() {}
    void supportFeed();
    void cancleSupportFeed();

    std::function<void()> handleCommentBtnBlock;
    std::function<void()> handleOtherAgainstBtnBlock;
    std::function<void()> handleCellShareViewShow;

  private:
    void sendSupport(int32_t operation);
    void showLikeState();

    QWidget* contentView_;
    RemoteImageView* BGImagView_;
    QLabel* contentLabel_;
    QLabel* commitLabel_;
    QLabel* likeNumLabel_;
    QLabel* commentNumLabel_;
    QPushButton* likeBtn_;
    QPushButton* commentbtn_;
    QPushButton* otherBtn_;
    QPushButton* shareBtn_;
    QWidget* bottonSepView_;
    int32_t currentLikeNum_ = 0;
    std::shared_ptr<Feed> feed_;
};
