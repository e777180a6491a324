#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "core/MainQueue.h"
#include "toolkit/NavigationBar.h"
#include "toolkit/NavigationController.h"
#include "toolkit/ViewController.h"

namespace {

// Records its appearance life cycle into a shared log.
class Screen : public ViewController {
  public:
    Screen(QString name, std::vector<std::string>* log) : name_(std::move(name)), log_(log) {
        setTitle(name_);
    }
    void viewDidLoad() override { record("didLoad"); }
    void viewWillAppear(bool) override { record("willAppear"); }
    void viewDidAppear(bool) override { record("didAppear"); }
    void viewWillDisappear(bool) override { record("willDisappear"); }
    void viewDidDisappear(bool) override { record("didDisappear"); }

  private:
    void record(const char* what) { log_->push_back(name_.toStdString() + "." + what); }
    QString name_;
    std::vector<std::string>* log_;
};

class NavigationControllerTest : public testing::Test {
  protected:
    void SetUp() override {
        MainQueue::shared().useManualClock();
        root = new Screen(QStringLiteral("星笺"), &log);
        navigation = std::make_unique<NavigationController>(root);
        navigation->resize(320, 568);
        navigation->show();
        log.clear();
    }
    QString barTitle() const { return navigation->navigationBar()->titleLabel()->text(); }

    std::vector<std::string> log;
    Screen* root = nullptr;
    std::unique_ptr<NavigationController> navigation;
};

}  // namespace

TEST_F(NavigationControllerTest, PushSlidesInOnTheClockWithTheAppearanceOrder) {
    auto* detail = new Screen(QStringLiteral("详情"), &log);
    navigation->pushViewController(detail, true);
    EXPECT_TRUE(navigation->isTransitioning());
    EXPECT_EQ(barTitle(), QStringLiteral("详情"));
    EXPECT_EQ(log,
              (std::vector<std::string>{"详情.didLoad", "星笺.willDisappear", "详情.willAppear"}));
    MainQueue::shared().advance(0.1);
    EXPECT_GT(detail->x(), 0) << "still sliding in";
    MainQueue::shared().advance(0.3);
    EXPECT_FALSE(navigation->isTransitioning());
    EXPECT_EQ(detail->geometry(),
              QRect(0, NavigationBar::kHeight, 320, 568 - NavigationBar::kHeight));
    EXPECT_FALSE(root->isVisible());
    EXPECT_EQ(log.back(), "详情.didAppear");
    EXPECT_EQ(navigation->topViewController(), detail);
    EXPECT_EQ(detail->navigationController(), navigation.get());
}

TEST_F(NavigationControllerTest, PopDeletesThePoppedScreenButNotASharedOne) {
    QPointer<Screen> first = new Screen(QStringLiteral("一"), &log);
    QPointer<Screen> shared = new Screen(QStringLiteral("二"), &log);
    shared->setShared(true);
    navigation->pushViewController(first, false);
    navigation->pushViewController(shared, false);
    EXPECT_EQ(navigation->viewControllers().size(), 3u);
    navigation->popToRootViewControllerAnimated(true);
    MainQueue::shared().advance(0.5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_FALSE(shared.isNull());
    EXPECT_EQ(shared->parent(), nullptr);
    EXPECT_EQ(barTitle(), QStringLiteral("星笺"));
    EXPECT_TRUE(root->isVisible());
    EXPECT_EQ(navigation->popViewControllerAnimated(true), nullptr) << "never pops the root";
    delete shared.data();
}

TEST_F(NavigationControllerTest, APushDuringASlideFinishesTheSlideFirst) {
    auto* a = new Screen(QStringLiteral("A"), &log);
    auto* b = new Screen(QStringLiteral("B"), &log);
    navigation->pushViewController(a, true);
    MainQueue::shared().advance(0.1);
    navigation->pushViewController(b, true);
    EXPECT_EQ(std::count(log.begin(), log.end(), "A.didAppear"), 1);
    MainQueue::shared().advance(1);
    EXPECT_EQ(navigation->topViewController(), b);
    EXPECT_FALSE(a->isVisible());
    EXPECT_EQ(log.back(), "B.didAppear");
}

TEST_F(NavigationControllerTest, BarItemsFollowTheTopScreenAndTheBarCanHide) {
    auto* right = new QPushButton(QStringLiteral("发布"));
    right->setObjectName(QStringLiteral("sendBtn"));
    root->navigationItem().rightBarButtonItem = right;
    root->setTitle(QStringLiteral("星笺"));
    EXPECT_EQ(right->parentWidget(), navigation->navigationBar());
    EXPECT_TRUE(right->isVisible());
    EXPECT_GT(right->x(), 200) << "on the right";

    auto* next = new Screen(QStringLiteral("下一页"), &log);
    navigation->pushViewController(next, false);
    EXPECT_FALSE(right->isVisible());
    EXPECT_EQ(right->parentWidget(), root) << "back with its screen";

    navigation->setNavigationBarHidden(true, false);
    EXPECT_FALSE(navigation->navigationBar()->isVisible());
    EXPECT_EQ(next->geometry(), QRect(0, 0, 320, 568));
}
