#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "core/MainQueue.h"

class AllowToVisitPhoneBookView;
class CellShareView;
class InviteFriends;
class MainAgainstView;
class ReportReasonView;
class Tips;
class QLabel;

// The overlay the small dialogs appear on: a blurred, darkened picture of what was on screen,
// one panel (chosen by its blur type) placed and animated on it, and a tap on the dark area
// that dismisses both.
class ShareBlurView : public QWidget {
    Q_OBJECT
  public:
    enum BlurType : int32_t {
        kCellShare = 1,
        kMainAgainst = 2,
        kWhoSeeSecret = 3,
        kNavSetting = 4,
        kInviteFriends = 5,
        kReportReason = 6,
        kLogout = 8,
        kClearMark = 9,
        kTips = 10,
        kAllowPhoneBook = 11,
    };
    static constexpr int kDismissMillis = 500;
    static inline const QString kReportTitle = QStringLiteral("选择[举报]理由?");

    // initWithFrame: the black picture view over the whole frame, and the tap.
    explicit ShareBlurView(const QRect& frame, QWidget* parent = nullptr);
    ~ShareBlurView() override;

    // Draws the blurred picture (black without one) and shows the panel of the type.
    void shareBlurWithImage(const QImage& image, int32_t type);
    // An overlay over the whole application window, blurring a snapshot of the view (or the
    // picture); without either it is added black and without a panel.
    static ShareBlurView* show(QWidget* view, int32_t type);
    static ShareBlurView* show(const QImage& image, int32_t type);
    using QWidget::show;

    void tapAction();
    void clostBtnActon() { tapAction(); }
    void navSettingCloseBtnAction() { tapAction(); }

    void setFeedId(uint64_t feedId);
    uint64_t feedId() const { return feedId_; }
    void setTipsHeight(int32_t tipsHeight);
    int32_t tipsHeight() const { return tipsHeight_; }

    int32_t blurType() const { return type_; }
    QWidget* panel() const { return panel_; }
    CellShareView* cellShare() const;
    InviteFriends* inviteNavSetting() const;
    AllowToVisitPhoneBookView* allowPhoneBook() const;
    MainAgainstView* mainAgainst() const;
    ReportReasonView* reason() const;
    Tips* tip() const;
    QLabel* blurImageView() const { return blurImageView_; }
    bool tapsEnabled() const { return tapsEnabled_; }

    // The overlay fades to transparent (in 0.5 s unless said) and then removes itself.
    void fadeOutAndRemove(int millis = kDismissMillis);
    // Removes the overlay at once.
    void removeFromSuperview();

    // Who builds the panel of a blur type. The app's panels are built in; a screen test may
    // put a stand-in in place of one, and no factory puts the app's own back.
    using PanelFactory = std::function<QWidget*(ShareBlurView* overlay)>;
    static void setPanelFactory(int32_t type, PanelFactory factory);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void showBlurredPicture(const QImage& image);
    void placePanel();
    void addCloseButton(const QPoint& at);
    void slidePanelTo(const QPoint& end);
    void fadePanelOut();

    QLabel* blurImageView_;
    QWidget* dimView_ = nullptr;
    QPointer<QWidget> panel_;
    int32_t type_ = 0;
    uint64_t feedId_ = 0;
    int32_t tipsHeight_ = 0;
    bool tapsEnabled_ = true;
    bool dismissing_ = false;
    QPoint pressPos_;
};
