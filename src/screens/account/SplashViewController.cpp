#include "screens/account/SplashViewController.h"

#include <QLabel>

#include "platform/Analytics.h"
#include "platform/StatusBar.h"
#include "screens/account/OldUserLoginViewController.h"
#include "screens/account/PhoneViewController.h"
#include "services/LogicManager.h"
#include "toolkit/Images.h"
#include "toolkit/PageControl.h"
#include "toolkit/PagingScrollView.h"
#include "toolkit/PhoneWindow.h"
#include "toolkit/PillButton.h"

SplashViewController& SplashViewController::sharedInstance() {
    static SplashViewController* instance = [] {
        auto* screen = new SplashViewController;
        screen->setShared(true);
        return screen;
    }();
    return *instance;
}

QString SplashViewController::pageImageName(int index, int screenHeight) {
    return (screenHeight > 480 ? QStringLiteral("splash%1") : QStringLiteral("splash-%1"))
        .arg(index + 1);
}

SplashViewController::SplashViewController() {
    setObjectName(QStringLiteral("SplashViewController"));
}

void SplashViewController::viewDidLoad() {
    const QWidget* window = PhoneWindow::applicationWindow();
    const QSize screen = window ? window->size() : QSize(PhoneWindow::kWidth, PhoneWindow::kHeight);
    resize(screen);

    splashScollView_ = new PagingScrollView(this);
    splashScollView_->setObjectName(QStringLiteral("splashScollView"));
    splashScollView_->setGeometry(0, 0, screen.width(), screen.height());
    for (int i = 0; i < kPageCount; ++i) {
        auto* page = new QLabel;
        const QString name = pageImageName(i, screen.height());
        page->setObjectName(name);
        page->setPixmap(imageNamed(name));
        page->setScaledContents(true);
        splashScollView_->addPage(page);
    }
    splashScollView_->didEndDecelerating = [this](PagingScrollView&) {
        scrollViewDidEndDecelerating();
    };

    splashPageCtl_ = new PageControl(this);
    splashPageCtl_->setObjectName(QStringLiteral("splashPageCtl"));
    splashPageCtl_->setNumberOfPages(kPageCount);
    splashPageCtl_->setCurrentPageIndicatorTintColor(QColor(0xD0, 0x24, 0x6C));
    splashPageCtl_->setPageIndicatorTintColor(QColor(0xF8, 0x8B, 0xB5, 150));
    const QSize dots = splashPageCtl_->sizeHint();
    splashPageCtl_->setGeometry((screen.width() - dots.width()) / 2, screen.height() - 132,
                                dots.width(), dots.height());

    registerButton_ = new PillButton(QStringLiteral("加入星笺"), PillButton::Style::Filled, this);
    registerButton_->setObjectName(QStringLiteral("registerBtn"));
    registerButton_->setGeometry(40, screen.height() - 108, screen.width() - 80, 44);
    connect(registerButton_, &QPushButton::clicked, this, &SplashViewController::registerBtn);

    OldUserBtnAction_ =
        new PillButton(QStringLiteral("我有账号，直接登录"), PillButton::Style::Outlined, this);
    OldUserBtnAction_->setObjectName(QStringLiteral("OldUserBtnAction"));
    OldUserBtnAction_->setGeometry(40, screen.height() - 56, screen.width() - 80, 40);
    connect(OldUserBtnAction_, &QPushButton::clicked, this, &SplashViewController::loginBtn);
}

void SplashViewController::viewWillAppear(bool) {
    StatusBar::setHidden(true);
}

void SplashViewController::viewWillDisappear(bool) {
    StatusBar::setHidden(false);
}

void SplashViewController::scrollViewDidEndDecelerating() {
    const int width = splashScollView_->width();
    if (width > 0)
        splashPageCtl_->setCurrentPage(static_cast<int>(splashScollView_->contentOffset() / width));
}

void SplashViewController::registerBtn() {
    Analytics::shared().event(QStringLiteral("to_join"));
    LogicManager::sharedInstance().setRootViewContrllerWithNavigationBar(new PhoneViewController);
}

void SplashViewController::loginBtn() {
    Analytics::shared().event(QStringLiteral("existing_account"));
    LogicManager::sharedInstance().setRootViewContrllerWithNavigationBar(
        new OldUserLoginViewController);
}
