#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/MainQueue.h"
#include "core/NotificationCenter.h"
#include "toolkit/ActionSheet.h"
#include "toolkit/ImageBlur.h"
#include "toolkit/KeyboardEmulator.h"
#include "toolkit/PageControl.h"
#include "toolkit/PagingScrollView.h"
#include "toolkit/ShimmerLabel.h"

TEST(ShimmerLabel, RunsWhileTheListIsDraggedAndRestsAfterwards) {
    MainQueue::shared().useManualClock();
    NotificationCenter& center = NotificationCenter::defaultCenter();
    ShimmerLabel label;
    label.setText(QStringLiteral("今天终于鼓起勇气"));
    EXPECT_EQ(label.characterOpacity(0), 1);
    center.postNotificationName(ShimmerLabel::kShimmerStart);
    EXPECT_TRUE(label.isShimmering());
    MainQueue::shared().advance(0.1);
    EXPECT_GT(label.characterOpacity(0), label.characterOpacity(7)) << "the first characters lead";
    center.postNotificationName(ShimmerLabel::kShimmerPause);
    EXPECT_FALSE(label.isShimmering());
    EXPECT_EQ(label.characterOpacity(7), 1);
    { ShimmerLabel gone; }
    center.postNotificationName(
        ShimmerLabel::kShimmerStart);  // the destroyed label's observer is gone
    EXPECT_TRUE(label.isShimmering());
    label.stopShimmering();
}

TEST(ActionSheet, ChoicesComeBackByIndexAndCancelIsTheLast) {
    MainQueue::shared().useManualClock();
    QWidget window;
    window.resize(320, 568);
    window.show();
    std::vector<int> picked;
    auto open = [&] {
        return new ActionSheet(QString(), QStringLiteral("取消"),
                               {QStringLiteral("拍照"), QStringLiteral("相册")}, &window,
                               [&](int index) { picked.push_back(index); });
    };
    ActionSheet* sheet = open();
    MainQueue::shared().advance(0.3);
    auto* album = sheet->findChild<QPushButton*>(QStringLiteral("actionButton1"));
    ASSERT_NE(album, nullptr);
    EXPECT_EQ(album->text(), QStringLiteral("相册"));
    EXPECT_GT(album->mapTo(&window, QPoint(0, 0)).y(), 400) << "at the bottom of the window";
    QTest::mouseClick(album, Qt::LeftButton);
    sheet = open();
    EXPECT_EQ(sheet->cancelButtonIndex(), 2);
    QTest::mouseClick(sheet->findChild<QPushButton*>(QStringLiteral("cancelButton")),
                      Qt::LeftButton);
    sheet = open();
    QTest::mouseClick(sheet, Qt::LeftButton, {}, QPoint(160, 50));  // the dimmed screen
    EXPECT_EQ(picked, (std::vector<int>{1, 2, 2}));
}

TEST(KeyboardEmulator, TextFocusPostsThePhoneKeyboardsNotifications) {
    KeyboardEmulator& keyboard = KeyboardEmulator::shared();
    NotificationCenter& center = NotificationCenter::defaultCenter();
    QObject owner;
    std::vector<std::pair<QString, int>> seen;
    for (const QString& name : {KeyboardEmulator::kWillShow, KeyboardEmulator::kWillHide})
        center.addObserver(&owner, name, [&seen, name](const QVariant& info) {
            seen.emplace_back(name, info.toMap().value(QStringLiteral("height")).toInt());
        });
    QWidget window;
    auto* field = new QLineEdit(&window);
    auto* button = new QPushButton(&window);
    button->setFocusPolicy(Qt::StrongFocus);
    window.show();
    QApplication::setActiveWindow(&window);
    field->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(keyboard.isShowing());
    button->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(keyboard.isShowing());
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0],
              std::make_pair(KeyboardEmulator::kWillShow, KeyboardEmulator::kKeyboardHeight));
    EXPECT_EQ(seen[1].first, KeyboardEmulator::kWillHide);
}

TEST(ImageBlur, SpreadsDetailKeepsUniformAreasAndTheSize) {
    QImage dot(41, 41, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::black);
    dot.setPixelColor(20, 20, Qt::white);
    const QImage blurred = ImageBlur::boxBlur(dot, 3);
    EXPECT_EQ(blurred.size(), dot.size());
    EXPECT_LT(blurred.pixelColor(20, 20).red(), 255) << "the bright dot spreads";
    EXPECT_GT(blurred.pixelColor(23, 20).red(), 0);
    EXPECT_GT(blurred.pixelColor(20, 23).red(), 0);
    EXPECT_EQ(blurred.pixelColor(0, 0).red(), 0);
    EXPECT_GE(blurred.pixelColor(20, 20).red(), blurred.pixelColor(22, 22).red())
        << "brightest at the centre";

    QImage grey(50, 30, QImage::Format_RGB32);
    grey.fill(QColor(0x66, 0x66, 0x66));
    EXPECT_EQ(ImageBlur::blurredImage(grey, 0.6).pixelColor(25, 15), QColor(0x66, 0x66, 0x66));
    EXPECT_EQ(ImageBlur::radiusForStrength(0.6), 24);
    EXPECT_EQ(ImageBlur::boxBlur(dot, 0), dot) << "no radius: unchanged";
    EXPECT_TRUE(ImageBlur::blurredImage(QImage(), 0.6).isNull());
    QImage thin(3, 200, QImage::Format_RGB32);  // a radius wider than the picture stays inside it
    thin.fill(Qt::white);
    EXPECT_EQ(ImageBlur::boxBlur(thin, 24).pixelColor(1, 100), QColor(Qt::white));
}

// Four pages: a slow half swipe falls back, a quick short flick turns one page, the ends do
// not bounce, and every swipe reports where it came to rest.
TEST(PagingScrollView, SwipesSettleOnPagesOnTheClock) {
    MainQueue& clock = MainQueue::shared();
    clock.useManualClock();
    PagingScrollView pages;
    pages.resize(320, 568);
    for (int i = 0; i < 4; ++i)
        pages.addPage(new QWidget);
    PageControl dots;
    dots.setNumberOfPages(4);
    pages.didEndDecelerating = [&](PagingScrollView& view) {
        dots.setCurrentPage(view.currentPage());
    };
    pages.show();
    auto swipe = [&](int from, int to, double seconds) {
        QTest::mousePress(&pages, Qt::LeftButton, {}, QPoint(from, 300));
        const int steps = 10;
        for (int i = 1; i <= steps; ++i) {
            clock.advance(seconds / steps);
            QTest::mouseMove(&pages, QPoint(from + (to - from) * i / steps, 300));
        }
        QTest::mouseRelease(&pages, Qt::LeftButton, {}, QPoint(to, 300));
        clock.advance(0.5);
    };
    swipe(250, 150, 2.0);  // slow, under half a page: back to the first
    EXPECT_EQ(pages.contentOffset(), 0);
    swipe(250, 200, 0.05);  // short but quick: the next page
    EXPECT_EQ(pages.contentOffset(), 320);
    swipe(300, 20, 1.0);  // most of a page, slowly
    EXPECT_EQ(pages.currentPage(), 2);
    EXPECT_EQ(dots.currentPage(), 2) << "swiping to the third page sets the dots to page 2";
    EXPECT_EQ(pages.page(2)->geometry(), QRect(0, 0, 320, 568));
    swipe(300, 0, 0.05);
    swipe(300, 0, 0.05);  // past the last page: no further
    EXPECT_EQ(pages.contentOffset(), 960);
    swipe(20, 300, 0.05);
    EXPECT_EQ(dots.currentPage(), 2);
    pages.scrollToPage(0, false);
    swipe(20, 300, 0.05);  // before the first: stays
    EXPECT_EQ(pages.contentOffset(), 0);
}
