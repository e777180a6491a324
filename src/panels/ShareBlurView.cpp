#include "panels/ShareBlurView.h"

#include <QBuffer>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QtDebug>
#include <map>

#include "panels/AllowToVisitPhoneBookView.h"
#include "panels/CellShareView.h"
#include "panels/InviteFriends.h"
#include "panels/MainAgainstView.h"
#include "panels/ReportReasonView.h"
#include "panels/Tips.h"
#include "platform/Analytics.h"
#include "toolkit/BounceAnimation.h"
#include "toolkit/CustomButton.h"
#include "toolkit/Fonts.h"
#include "toolkit/ImageBlur.h"
#include "toolkit/PhoneWindow.h"
#include "toolkit/SpringAnimation.h"

namespace {

enum class Placement { Centred, WhoSeeFrame, NavSettingFrame, ReportFrame, LogoutFrame, Tips };
enum class Appearance { None, Bounce, SpringX, SpringY };
enum class Dismissal { OverlayOnly, SlideLeft, FadeOut, RemoveNow, SlideDown, TapsOff };

struct PanelRule {
    Placement placement;
    Appearance appearance;
    Dismissal dismissal;
};

const std::map<int32_t, PanelRule>& rules() {
    static const std::map<int32_t, PanelRule> table{
        {ShareBlurView::kCellShare, {Placement::Centred, Appearance::Bounce, Dismissal::SlideLeft}},
        {ShareBlurView::kMainAgainst,
         {Placement::Centred, Appearance::SpringX, Dismissal::FadeOut}},
        {ShareBlurView::kWhoSeeSecret,
         {Placement::WhoSeeFrame, Appearance::None, Dismissal::RemoveNow}},
        {ShareBlurView::kNavSetting,
         {Placement::NavSettingFrame, Appearance::SpringY, Dismissal::SlideDown}},
        {ShareBlurView::kInviteFriends,
         {Placement::Centred, Appearance::Bounce, Dismissal::OverlayOnly}},
        {ShareBlurView::kReportReason,
         {Placement::ReportFrame, Appearance::SpringY, Dismissal::SlideDown}},
        {ShareBlurView::kLogout,
         {Placement::LogoutFrame, Appearance::Bounce, Dismissal::RemoveNow}},
        {ShareBlurView::kClearMark,
         {Placement::Centred, Appearance::Bounce, Dismissal::OverlayOnly}},
        {ShareBlurView::kTips, {Placement::Tips, Appearance::None, Dismissal::TapsOff}},
        {ShareBlurView::kAllowPhoneBook,
         {Placement::Centred, Appearance::None, Dismissal::FadeOut}},
    };
    return table;
}

const std::map<int32_t, ShareBlurView::PanelFactory>& builtInFactories() {
    static const std::map<int32_t, ShareBlurView::PanelFactory> table{
        {ShareBlurView::kCellShare, [](ShareBlurView* o) { return new CellShareView(o); }},
        {ShareBlurView::kInviteFriends, [](ShareBlurView* o) { return new InviteFriends(o); }},
        {ShareBlurView::kAllowPhoneBook,
         [](ShareBlurView* o) { return new AllowToVisitPhoneBookView(o); }},
        {ShareBlurView::kMainAgainst, [](ShareBlurView* o) { return new MainAgainstView(o); }},
        {ShareBlurView::kReportReason, [](ShareBlurView* o) { return new ReportReasonView(o); }},
        {ShareBlurView::kTips, [](ShareBlurView* o) { return new Tips(o); }},
    };
    return table;
}

std::map<int32_t, ShareBlurView::PanelFactory>& factories() {
    static std::map<int32_t, ShareBlurView::PanelFactory> table = builtInFactories();
    return table;
}

constexpr int kSpringFrom = 300;
constexpr double kSpringBounciness = 13;
constexpr double kSpringSpeed = 20;
constexpr int kOffScreenY = 579;
constexpr int kOffScreenX = -400;

}  // namespace

void ShareBlurView::setPanelFactory(int32_t type, PanelFactory factory) {
    if (factory) {
        factories()[type] = std::move(factory);
        return;
    }
    const auto builtIn = builtInFactories().find(type);
    if (builtIn != builtInFactories().end())
        factories()[type] = builtIn->second;
    else
        factories().erase(type);
}

ShareBlurView::ShareBlurView(const QRect& frame, QWidget* parent)
    : QWidget(parent), blurImageView_(new QLabel(this)) {
    setObjectName(QStringLiteral("shareBlurView"));
    setGeometry(frame);
    blurImageView_->setObjectName(QStringLiteral("blurImageView"));
    blurImageView_->setGeometry(rect());
    blurImageView_->setScaledContents(true);
    blurImageView_->setAutoFillBackground(true);
    blurImageView_->setStyleSheet(QStringLiteral("background: black;"));
}

ShareBlurView::~ShareBlurView() = default;

ShareBlurView* ShareBlurView::show(QWidget* view, int32_t type) {
    return show(ImageBlur::snapshot(view), type);
}

ShareBlurView* ShareBlurView::show(const QImage& image, int32_t type) {
    QWidget* window = PhoneWindow::applicationWindow();
    const QRect frame =
        window ? window->rect() : QRect(0, 0, PhoneWindow::kWidth, PhoneWindow::kHeight);
    auto* overlay = new ShareBlurView(frame, window);
    // Nothing to blur: the overlay still covers the window, black and without a panel.
    overlay->shareBlurWithImage(image, image.isNull() ? 0 : type);
    overlay->QWidget::show();
    overlay->raise();
    return overlay;
}

void ShareBlurView::shareBlurWithImage(const QImage& image, int32_t type) {
    type_ = type;
    showBlurredPicture(image);
    const auto factory = factories().find(type);
    if (factory == factories().end()) return;
    panel_ = factory->second(this);
    if (!panel_) return;
    placePanel();
    panel_->show();
    const PanelRule& rule = rules().at(type);
    tapsEnabled_ = rule.dismissal != Dismissal::TapsOff;
    const QPoint base = panel_->pos();
    QPointer<QWidget> panel = panel_;
    switch (rule.appearance) {
        case Appearance::Bounce:
            bounceIn(panel_, type == kCellShare);
            break;
        case Appearance::SpringX:
        case Appearance::SpringY: {
            const bool alongX = rule.appearance == Appearance::SpringX;
            auto* spring = new SpringAnimation(
                kSpringFrom, 0, kSpringBounciness, kSpringSpeed,
                [panel, base, alongX](double value) {
                    if (!panel) return;
                    const int offset = qRound(value);
                    panel->move(alongX ? base + QPoint(offset, 0) : base + QPoint(0, offset));
                },
                panel_);
            spring->start();
            break;
        }
        case Appearance::None:
            break;
    }
}

void ShareBlurView::showBlurredPicture(const QImage& image) {
    if (image.isNull()) {
        qWarning("shotImage error");
        return;
    }
    // The lowest JPEG quality first: its blocks make the blur look like frosted glass.
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPG", 0);
    QImage coarse = QImage::fromData(jpeg, "JPG");
    if (coarse.isNull()) coarse = image;
    blurImageView_->setPixmap(QPixmap::fromImage(ImageBlur::blurredImage(coarse, 0.6)));
    dimView_ = new QWidget(this);
    dimView_->setObjectName(QStringLiteral("dimView"));
    dimView_->setGeometry(rect());
    dimView_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dimView_->setStyleSheet(QStringLiteral("background: rgba(102, 102, 102, 128);"));
    dimView_->show();
}

void ShareBlurView::placePanel() {
    const QSize own = panel_->size();
    switch (rules().at(type_).placement) {
        case Placement::Centred:
            panel_->move((width() - own.width()) / 2, (height() - own.height()) / 2);
            break;
        case Placement::WhoSeeFrame:
            panel_->setGeometry(15, 190, 290, 195);
            panel_->setStyleSheet(QStringLiteral("background: white;"));
            break;
        case Placement::NavSettingFrame:
            panel_->move(0, 80);
            addCloseButton(QPoint(5, 20));
            break;
        case Placement::ReportFrame: {
            panel_->move(0, 120);
            auto* title = new QLabel(kReportTitle, this);
            title->setObjectName(QStringLiteral("reportTitle"));
            title->setFont(getFontWith(false, 12));
            title->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
            title->setGeometry(110, panel_->y() - 40, 320, 40);
            title->show();
            addCloseButton(QPoint(15, 20));
            break;
        }
        case Placement::LogoutFrame:
            panel_->setGeometry(15, (height() - 180) / 2, 290, 180);
            panel_->setStyleSheet(QStringLiteral("background: white;"));
            QMetaObject::invokeMethod(panel_, "logoutViewShow");
            break;
        case Placement::Tips:
            panel_->move(0, tipsHeight_);
            break;
    }
}

void ShareBlurView::addCloseButton(const QPoint& at) {
    CustomButton* close = CustomButton::buttonWithRect(
        QRect(at, QSize(44, 44)), QString(), QStringLiteral("btn_close_n"), QString(), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->addButtionAction([this] { tapAction(); });
    close->show();
}

void ShareBlurView::setFeedId(uint64_t feedId) {
    feedId_ = feedId;
    if (type_ == kMainAgainst && panel_)
        QMetaObject::invokeMethod(panel_, "setFeedId", Q_ARG(quint64, feedId));
}

void ShareBlurView::setTipsHeight(int32_t tipsHeight) {
    tipsHeight_ = tipsHeight;
    if (type_ == kTips && panel_) panel_->move(0, tipsHeight);
}

CellShareView* ShareBlurView::cellShare() const {
    return qobject_cast<CellShareView*>(panel_);
}

InviteFriends* ShareBlurView::inviteNavSetting() const {
    return qobject_cast<InviteFriends*>(panel_);
}

AllowToVisitPhoneBookView* ShareBlurView::allowPhoneBook() const {
    return qobject_cast<AllowToVisitPhoneBookView*>(panel_);
}

MainAgainstView* ShareBlurView::mainAgainst() const {
    return qobject_cast<MainAgainstView*>(panel_);
}

ReportReasonView* ShareBlurView::reason() const {
    return qobject_cast<ReportReasonView*>(panel_);
}

Tips* ShareBlurView::tip() const {
    return qobject_cast<Tips*>(panel_);
}

void ShareBlurView::tapAction() {
    if (dismissing_) return;
    if (panel_) {
        switch (rules().at(type_).dismissal) {
            case Dismissal::SlideLeft:
                Analytics::shared().event(QStringLiteral("share_dialog_close"));
                slidePanelTo(QPoint(kOffScreenX, panel_->y()));
                break;
            case Dismissal::SlideDown:
                slidePanelTo(QPoint(panel_->x(), kOffScreenY));
                break;
            case Dismissal::FadeOut:
                fadePanelOut();
                break;
            case Dismissal::RemoveNow:
                panel_->hide();
                panel_->deleteLater();
                break;
            case Dismissal::OverlayOnly:
            case Dismissal::TapsOff:
                break;
        }
    }
    fadeOutAndRemove();
}

void ShareBlurView::slidePanelTo(const QPoint& end) {
    auto* slide = new QPropertyAnimation(panel_, "pos", panel_);
    slide->setDuration(kDismissMillis);
    slide->setEndValue(end);
    slide->start(QAbstractAnimation::DeleteWhenStopped);
}

void ShareBlurView::fadePanelOut() {
    auto* effect = new QGraphicsOpacityEffect(panel_);
    panel_->setGraphicsEffect(effect);
    auto* fade = new QPropertyAnimation(effect, "opacity", panel_);
    fade->setDuration(kDismissMillis);
    fade->setEndValue(0.0);
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void ShareBlurView::fadeOutAndRemove(int millis) {
    if (dismissing_) return;
    dismissing_ = true;
    auto* effect = new QGraphicsOpacityEffect(this);
    setGraphicsEffect(effect);
    auto* fade = new QPropertyAnimation(effect, "opacity", this);
    fade->setDuration(millis);
    fade->setEndValue(0.0);
    connect(fade, &QAbstractAnimation::finished, this, &ShareBlurView::removeFromSuperview);
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

void ShareBlurView::removeFromSuperview() {
    dismissing_ = true;
    hide();
    setParent(nullptr);  // gone from its view at once, as the phone's removal is
    deleteLater();
}

void ShareBlurView::mousePressEvent(QMouseEvent* event) {
    pressPos_ = event->pos();
}

void ShareBlurView::mouseReleaseEvent(QMouseEvent* event) {
    // A tap on the dark area, not a drag and not on the panel.
    if (!tapsEnabled_ || (event->pos() - pressPos_).manhattanLength() > 8) return;
    if (panel_ && panel_->geometry().contains(event->pos())) return;
    tapAction();
}
