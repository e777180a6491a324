#pragma once

#include <functional>

#include "panels/ShareCard.h"

// The panel with the four ways of sharing one secret. The timeline's row actions set the
// callbacks; each is optional.
class CellShareView : public ShareCard {
    Q_OBJECT
  public:
    static inline const QString kTitle = QStringLiteral("分享这条秘密");

    explicit CellShareView(QWidget* parent = nullptr);

    std::function<void()> handleWechat;
    std::function<void()> hanldeWechatCircle;
    std::function<void()> handleWeibo;
    std::function<void()> handleShareByMessage;

    void wechatBtnAction();
    void weChatCircleBtnAction();
    void weiboBtnAction();
    void messageBtnAction();
    // Slides away to the left while the overlay fades, then the overlay is gone.
    void closeBtnAction();
};
