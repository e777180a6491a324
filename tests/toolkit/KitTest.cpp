#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include "core/MainQueue.h"
#include "services/ColorWithHex.h"
#include "services/LogicManager.h"
#include "toolkit/BarButtonItem.h"
#include "toolkit/CustomButton.h"
#include "toolkit/Fonts.h"
#include "toolkit/GeneratedArt.h"
#include "toolkit/HintAnimation.h"
#include "toolkit/IconArt.h"
#include "toolkit/Images.h"
#include "toolkit/NavigationController.h"
#include "toolkit/PhoneWindow.h"
#include "toolkit/SpringAnimation.h"
#include "toolkit/ViewController.h"

namespace {
void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}  // namespace

TEST(PhoneWindow, RootScreensSwitchThroughTheServiceHub) {
    PhoneWindow window;
    window.show();
    EXPECT_EQ(window.size(), QSize(320, 568));
    LogicManager& hub = LogicManager::sharedInstance();

    QPointer<ViewController> splash = new ViewController;
    hub.setRootViewContrller(splash);
    EXPECT_EQ(window.rootWidget(), splash.data());
    EXPECT_EQ(splash->geometry(), window.rect());

    auto* timeline = new ViewController;
    timeline->setShared(true);
    hub.setRootViewContrllerWithNavigationBar(timeline);
    flushDeletes();
    EXPECT_TRUE(splash.isNull()) << "the old root goes";
    auto* navigation = qobject_cast<NavigationController*>(window.rootWidget());
    ASSERT_NE(navigation, nullptr);
    EXPECT_EQ(navigation->topViewController(), timeline);

    hub.setRootViewContrllerWithNavigationBar(nullptr);
    EXPECT_EQ(window.rootWidget(), navigation) << "no screen: nothing changes";

    hub.setRootViewContrllerWithNavigationBar(timeline);  // the shared screen in a new stack
    flushDeletes();
    auto* again = qobject_cast<NavigationController*>(window.rootWidget());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->topViewController(), timeline);
    EXPECT_EQ(timeline->parent(), again) << "the old stack did not take it along";

    hub.setRootViewContrller(new ViewController);
    flushDeletes();
    EXPECT_EQ(timeline->parent(), nullptr) << "a shared screen outlives its stack";
    delete timeline;
}

TEST(BarButtons, SizesFollowTheTitleOrTheImage) {
    QFont measure = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    measure.setPixelSize(14);
    struct Case {
        QString title;
        QSize expected;
    };
    const int longWidth =
        QFontMetrics(measure).horizontalAdvance(QStringLiteral("修改密码并保存")) + 10;
    for (const Case& c :
         {Case{QStringLiteral("发"), QSize(42, 30)},
          Case{QStringLiteral("修改密码并保存"), QSize(std::max(42, longWidth), 30)},
          Case{QString(), QSize(58, 30)}}) {
        std::unique_ptr<BarButtonItem> button(BarButtonItem::create(
            QStringLiteral("no_such_image"), QString(), c.title, QMargins(-10, 0, 10, 0), {}));
        EXPECT_EQ(button->size(), c.expected) << c.title.toStdString();
    }
    ViewController screen;
    int taps = 0;
    BarButtonItem* left = screen.navigationItem().setLeftBarButtonItem(
        {}, {}, QStringLiteral("取消"), {}, [&] { ++taps; });
    EXPECT_EQ(left->contentInsets(), QMargins(20, 0, 0, 0));
    BarButtonItem* right =
        screen.navigationItem().setRightBarButtonItem({}, {}, QStringLiteral("发送"), {}, {});
    EXPECT_EQ(right->contentInsets(), QMargins(0, 0, -20, 0));
    QTest::mouseClick(left, Qt::LeftButton);
    EXPECT_EQ(taps, 1);
    screen.navigationItem().setTitleString(QStringLiteral("加入星笺"));
    auto* title = qobject_cast<QLabel*>(screen.navigationItem().titleView.data());
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), QStringLiteral("加入星笺"));
    EXPECT_EQ(title->font().pixelSize(), 20);
    EXPECT_TRUE(title->font().bold());
    flushDeletes();
}

TEST(CustomButton, RunsItsCallbackAndUsesThePinkTitle) {
    std::unique_ptr<CustomButton> button(
        CustomButton::buttonWithRect(QRect(10, 20, 100, 44), QStringLiteral("谁会看这个秘密?"),
                                     QStringLiteral("btn_a_n"), QStringLiteral("btn_a_h")));
    EXPECT_EQ(button->geometry(), QRect(10, 20, 100, 44));
    EXPECT_EQ(button->palette().color(QPalette::ButtonText), colorWithHex(0xD0246C));
    int runs = 0;
    button->addButtionAction([&] { ++runs; });
    QTest::mouseClick(button.get(), Qt::LeftButton);
    button->executButtonAction();
    EXPECT_EQ(runs, 2);
    button->extraData = 42;
    EXPECT_EQ(button->extraData.toInt(), 42);
}

TEST(Fonts, FallBackToTheSystemFontsOfTheSameSize) {
    const QFont bold = getFontWith(true, 17);
    const QFont regular = getFontWith(false, 13);
    EXPECT_EQ(bold.pixelSize(), 17);
    EXPECT_TRUE(bold.bold() || bold.family() == QStringLiteral("FZLTZHK--GBK1-0"));
    EXPECT_EQ(regular.pixelSize(), 13);
    EXPECT_FALSE(regular.bold());
}

TEST(HintAnimation, SwingsBetweenXAndXPlusTenEveryHalfSecond) {
    MainQueue::shared().useManualClock();
    QWidget parent;
    auto* arrow = new QWidget(&parent);
    arrow->setGeometry(26, 100, 20, 20);
    AnimationLeftAndRight(arrow, 26);
    MainQueue::shared().advance(0.5);   // the first tick starts the move right
    MainQueue::shared().advance(0.52);  // the move is done; the next tick starts it back
    EXPECT_EQ(arrow->x(), 36);
    MainQueue::shared().advance(0.5);
    EXPECT_EQ(arrow->x(), 26);
    EXPECT_EQ(arrow->y(), 100);
    delete arrow;
    MainQueue::shared().advance(2.0);  // its timer died with it
    EXPECT_EQ(MainQueue::shared().pendingCount(), 0u);
}

// The overlays' spring (bounciness 13, speed 20) overshoots and settles; without bounciness
// it comes in without passing its target.
TEST(SpringAnimation, BouncesIntoPlaceOnTheClock) {
    MainQueue::shared().useManualClock();
    struct Case {
        double bounciness;
        bool overshoots;
    };
    for (const Case c : {Case{13, true}, Case{0, false}}) {
        double lowest = 300;
        int completions = 0;
        SpringAnimation spring(300, 0, c.bounciness, 20,
                               [&](double value) { lowest = std::min(lowest, value); });
        spring.completionBlock = [&] { ++completions; };
        spring.start();
        MainQueue::shared().advance(0.1);
        EXPECT_LT(spring.value(), 300);
        MainQueue::shared().advance(5.0);
        EXPECT_FALSE(spring.isRunning()) << c.bounciness;
        EXPECT_EQ(spring.value(), 0);
        EXPECT_EQ(completions, 1);
        if (c.overshoots) {
            EXPECT_LT(lowest, -5) << "a visible bounce past the target";
        } else {
            EXPECT_GT(lowest, -1) << "no bounce";
        }
    }
    double tension = 0, friction = 0;
    SpringAnimation::tensionAndFriction(13, 20, &tension, &friction);
    EXPECT_GT(tension, 100);
    EXPECT_GT(friction, 0);
}

TEST(TextMeasuring, WrapsToTheWidthAndGrowsWithTheText) {
    const QFont font = getFontWith(false, 14);
    EXPECT_EQ(LogicManager::calculateCGSizeWith(QString(), 100, 100, font), QSizeF(0, 0));
    const QSizeF one = LogicManager::calculateCGSizeWith(QStringLiteral("抱抱"), 1000, 280, font);
    const QSizeF many =
        LogicManager::calculateCGSizeWith(QString(60, QChar(0x62B1)), 1000, 280, font);
    EXPECT_GT(one.height(), 0);
    EXPECT_LE(many.width(), 280);
    EXPECT_GE(many.height(), 3 * one.height() - 1) << "sixty characters wrap onto several lines";
}

namespace {
double relativeLuminance(const QImage& image) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); y += 8)
        for (int x = 0; x < image.width(); x += 8) {
            const QColor c = image.pixelColor(x, y);
            auto linear = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            sum += 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
                   0.0722 * linear(c.blueF());
            ++count;
        }
    return sum / count;
}
}  // namespace

// Every background keeps white text readable (contrast 3:1 or more on average) and differs
// from the others; the same index always draws the same picture.
TEST(GeneratedArt, BackgroundsAreDistinctStableAndDarkEnoughForWhiteText) {
    std::vector<QImage> backgrounds;
    for (int i = 0; i < GeneratedArt::kBackgroundCount; ++i) {
        const QImage image = GeneratedArt::background(i, 160);
        const double contrast = 1.05 / (relativeLuminance(image) + 0.05);
        EXPECT_GE(contrast, 3.0) << "background " << i;
        EXPECT_EQ(image, GeneratedArt::background(i, 160));
        for (const QImage& other : backgrounds)
            EXPECT_NE(image, other) << "background " << i;
        backgrounds.push_back(image);
    }
    std::vector<QImage> avatars;
    for (int i = 0; i < GeneratedArt::kAvatarCount; ++i) {
        const QImage image = GeneratedArt::avatar(i);
        for (const QImage& other : avatars)
            EXPECT_NE(image, other) << "avatar " << i;
        avatars.push_back(image);
    }
    EXPECT_FALSE(imageNamed(QStringLiteral("img_secretCell_background_11")).isNull());
    EXPECT_EQ(imageNamed(QStringLiteral("img_secretCell_background_11")).deviceIndependentSize(),
              QSizeF(320, 320));
    EXPECT_FALSE(imageNamed(QStringLiteral("20")).isNull());
    for (const char* unknown :
         {"img_secretCell_background_12", "21", "img_secretCell_background_-1"})
        EXPECT_TRUE(GeneratedArt::forName(QString::fromLatin1(unknown)).isNull()) << unknown;
}

TEST(IconArt, EveryNamedPictureIsDrawnAtTwiceItsSizeAndPressedDiffers) {
    for (const QString& name : IconArt::names()) {
        const QImage image = IconArt::forName(name);
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        bool painted = false;
        for (int y = 0; y < image.height() && !painted; ++y)
            for (int x = 0; x < image.width() && !painted; ++x)
                painted = qAlpha(image.pixel(x, y)) > 0;
        EXPECT_TRUE(painted) << name.toStdString();
        const QString pressed = name.chopped(2) + QStringLiteral("_h");
        if (name.endsWith(QStringLiteral("_n")) && IconArt::names().contains(pressed)) {
            EXPECT_NE(image, IconArt::forName(pressed)) << name.toStdString();
        }
    }
    EXPECT_EQ(imageNamed(QStringLiteral("btn_ok_n")).deviceIndependentSize(), QSizeF(250, 48));
    EXPECT_EQ(imageNamed(QStringLiteral("btn_comment_lock")).deviceIndependentSize(),
              QSizeF(16, 18));
    EXPECT_EQ(imageNamed(QStringLiteral("btn_navBack_n")).deviceIndependentSize(), QSizeF(44, 44));
    EXPECT_TRUE(imageNamed(QStringLiteral("no_such_picture")).isNull());
}

TEST(SplashArt, EveryPictureTheScreensNameExists) {
    QStringList names{"58x58",     "img_phone1", "img_phone2",       "img_navBar",
                      "img_swipe", "img_tipsBG", "img_tipsStand_up", "img_arrow"};
    for (int i = 1; i <= 4; ++i)
        names << QStringLiteral("splash%1").arg(i) << QStringLiteral("splash-%1").arg(i);
    for (const char* pair :
         {"btn_close", "btn_logoutNo", "btn_logoutYes", "btn_navBack", "btn_navCollection",
          "btn_navSet", "btn_navWriteSecret", "btn_ok", "btn_photo"})
        names << QLatin1String(pair) + QStringLiteral("_n")
              << QLatin1String(pair) + QStringLiteral("_h");
    names << "btn_cellShare_n"
          << "btn_change_n"
          << "btn_comment_like"
          << "btn_comment_lock"
          << "btn_support_no"
          << "btn_support_yes";
    for (const QString& name : names)
        EXPECT_FALSE(imageNamed(name).isNull()) << name.toStdString();
    EXPECT_EQ(imageNamed(QStringLiteral("splash1")).deviceIndependentSize(), QSizeF(320, 568));
    EXPECT_EQ(imageNamed(QStringLiteral("splash-1")).deviceIndependentSize(), QSizeF(320, 480));
    EXPECT_EQ(imageNamed(QStringLiteral("58x58")).deviceIndependentSize(), QSizeF(58, 58));
    EXPECT_NE(imageNamed(QStringLiteral("splash2")).toImage(),
              imageNamed(QStringLiteral("splash3")).toImage());
    EXPECT_TRUE(imageNamed(QStringLiteral("splash5")).isNull());
}
