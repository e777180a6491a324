#include "app/Tour.h"

#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <cstdio>

#include "app/AppDelegate.h"
#include "app/PlatformSetup.h"
#include "net/ServerConfig.h"
#include "platform/AddressBook.h"
#include "screens/account/AgreementViewController.h"
#include "screens/account/ChangepwViewController.h"
#include "screens/account/FrequentQuestionViewController.h"
#include "screens/account/SplashViewController.h"
#include "screens/account/SuggestViewController.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "toolkit/AlertView.h"
#include "toolkit/NavigationController.h"
#include "toolkit/PageControl.h"
#include "toolkit/PagingScrollView.h"
#include "toolkit/PhoneWindow.h"
#include "toolkit/ProgressHud.h"

namespace {
constexpr int kPollMillis = 50;
constexpr int kSettleMillis = 450;  // a push, a fade: what the picture should not catch halfway
const QString kPassword = QStringLiteral("123456");
}  // namespace

Tour::Tour(AppDelegate& delegate, const QDir& directory)
    : delegate_(delegate), directory_(directory) {
    // A number nobody has yet: 139 and eight digits of the clock.
    phone_ =
        QStringLiteral("139") +
        QString::number(QDateTime::currentMSecsSinceEpoch() % 100'000'000).rightJustified(8, '0');
    newPassword_ = QStringLiteral("654321");
}

bool Tour::onScreen(const char* className) const {
    ViewController* screen = delegate_.window()->topViewController();
    return screen && screen->isVisible() && screen->inherits(className) &&
           !(screen->navigationController() && screen->navigationController()->isTransitioning());
}

bool Tour::hudShows(const QString& text) const {
    ViewController* screen = delegate_.window()->topViewController();
    if (!screen) return false;
    for (const ProgressHud* hud : screen->findChildren<ProgressHud*>())
        if (hud->isShowing() && hud->labelText() == text) return true;
    return false;
}

bool Tour::alertShows(const QString& message) const {
    for (const AlertView* alert : delegate_.window()->findChildren<AlertView*>())
        if (alert->isVisible() && alert->message() == message) return true;
    return false;
}

void Tour::dismissAlerts() {
    for (AlertView* alert : delegate_.window()->findChildren<AlertView*>())
        if (alert->isVisible()) alert->dismiss();
}

template <typename T>
T* Tour::find(const QString& name) const {
    ViewController* screen = delegate_.window()->topViewController();
    return screen ? screen->findChild<T*>(name) : nullptr;
}

void Tour::type(const QString& field, const QString& text) {
    if (auto* edit = find<QLineEdit>(field)) {
        edit->setFocus();
        edit->setText(text);
    }
}

void Tour::click(const QString& button) {
    if (auto* target = find<QPushButton>(button)) target->click();
}

void Tour::step(const QString& name, std::function<void()> action, std::function<bool()> reached,
                std::function<bool()> ready) {
    steps_.push_back({name, std::move(action), std::move(reached), std::move(ready)});
}

void Tour::addSteps() {
    for (int page = 0; page < SplashViewController::kPageCount; ++page) {
        step(
            QStringLiteral("splash-page-%1").arg(page + 1),
            [page] {
                SplashViewController& splash = SplashViewController::sharedInstance();
                splash.splashScollView()->scrollToPage(page, false);
                splash.scrollViewDidEndDecelerating();
            },
            [this, page] {
                return onScreen("SplashViewController") &&
                       SplashViewController::sharedInstance().splashPageCtl()->currentPage() ==
                           page;
            });
    }
    step(
        QStringLiteral("registration"), [this] { click(QStringLiteral("registerBtn")); },
        [this] { return onScreen("PhoneViewController"); });
    struct Invalid {
        const char* name;
        QString number;
        QString password;
        QString message;
    };
    for (const Invalid& invalid : {
             Invalid{"registration-empty-number", QString(), QString(),
                     QStringLiteral("手机号码不能为空")},
             Invalid{"registration-bad-number", QStringLiteral("12345"), QString(),
                     QStringLiteral("请输入真实手机号码")},
             Invalid{"registration-empty-password", phone_, QString(),
                     QStringLiteral("请输入密码")},
             Invalid{"registration-short-password", phone_, QStringLiteral("12345"),
                     QStringLiteral("请输入6位密码")},
         }) {
        step(
            QString::fromLatin1(invalid.name),
            [this, invalid] {
                type(QStringLiteral("inputPhone"), invalid.number);
                type(QStringLiteral("secretTextField"), invalid.password);
                click(QStringLiteral("registerbtn"));
            },
            [this, message = invalid.message] { return hudShows(message); });
    }
    step(
        QStringLiteral("verification"),
        [this] {
            type(QStringLiteral("secretTextField"), kPassword);
            click(QStringLiteral("registerbtn"));
        },
        [this] { return onScreen("IdentifyViewController"); });
    step(
        QStringLiteral("address-book"),
        [this] {
            type(QStringLiteral("identifyTextField"), QStringLiteral("1234"));
            click(QStringLiteral("identifyBtn"));
        },
        [this] { return onScreen("PhoneIntroViewController"); });
    step(
        QStringLiteral("address-book-permission"),
        [this] { click(QStringLiteral("phoneFriendsBtn")); },
        [this] { return alertShows(PlatformSetup::kPromptMessage); });
    step(
        QStringLiteral("timeline-after-sign-up"),
        [this] {
            for (AlertView* alert : delegate_.window()->findChildren<AlertView*>())
                if (alert->isVisible())
                    alert->findChild<QPushButton*>(QStringLiteral("alertAction"))->click();
        },
        [this] { return onScreen("MainViewController"); });
    addTimelineSteps();
    step(
        QStringLiteral("splash-after-sign-out"),
        [this] {
            LogicManager& hub = LogicManager::sharedInstance();
            hub.setPersistenceData(QVariant(), SettingsKeys::USERID);
            hub.setPersistenceData(QVariant(), SettingsKeys::apnsToken);
            // The next start finds no address book: the timeline asks for it with its card.
            hub.setAddressBook(nullptr);
            hub.setPersistenceData(2, SettingsKeys::PhoneBook);
            delegate_.login();
        },
        [this] { return onScreen("SplashViewController"); });
    step(
        QStringLiteral("sign-in"), [this] { click(QStringLiteral("OldUserBtnAction")); },
        [this] { return onScreen("OldUserLoginViewController"); });
    step(
        QStringLiteral("sign-in-wrong-password"),
        [this] {
            type(QStringLiteral("phoneNum"), phone_);
            type(QStringLiteral("secretNum"), QStringLiteral("000000"));
            click(QStringLiteral("loginBtn"));
        },
        [this] { return alertShows(QStringLiteral("密码错误")); });
    step(
        QStringLiteral("timeline-after-sign-in"),
        [this] {
            dismissAlerts();
            type(QStringLiteral("secretNum"), kPassword);
            click(QStringLiteral("loginBtn"));
        },
        [this] { return onScreen("MainViewController"); });
    addPhoneBookSteps();
    auto push = [this](ViewController* screen) {
        if (NavigationController* stack =
                delegate_.window()->topViewController()->navigationController())
            stack->pushViewController(screen, true);
    };
    step(
        QStringLiteral("password-change"), [push] { push(new ChangepwViewController); },
        [this] { return onScreen("ChangepwViewController"); });
    step(
        QStringLiteral("password-changed"),
        [this] {
            type(QStringLiteral("currentPWtextFiled"), kPassword);
            type(QStringLiteral("newPWTextField"), newPassword_);
            type(QStringLiteral("againPWTextFiled"), newPassword_);
            click(QStringLiteral("changeBtn"));
        },
        [this] { return hudShows(QStringLiteral("修改密码成功")); });
    auto onTimeline = [this] { return onScreen("MainViewController"); };
    step(
        QStringLiteral("feedback"), [push] { push(new SuggestViewController); },
        [this] { return onScreen("SuggestViewController"); }, onTimeline);
    step(
        QStringLiteral("feedback-sent"),
        [this] {
            type(QStringLiteral("suggestField"), QStringLiteral("星笺很好用，希望多一些背景图"));
            click(QStringLiteral("sendBtn"));
        },
        [this] { return hudShows(QStringLiteral("反馈成功，我们会尽快处理")); });
    step(
        QStringLiteral("frequent-questions"), [push] { push(new FrequentQuestionViewController); },
        [this] {
            const auto* web = find<QTextBrowser>(QStringLiteral("frequentWeb"));
            return onScreen("FrequentQuestionViewController") && web &&
                   !web->toPlainText().isEmpty();
        },
        onTimeline);
    step(
        QStringLiteral("agreement"),
        [this] {
            if (NavigationController* stack =
                    delegate_.window()->topViewController()->navigationController()) {
                stack->popViewControllerAnimated(false);
                stack->pushViewController(new AgreementViewController, true);
            }
        },
        [this] {
            const auto* web = find<QTextBrowser>(QStringLiteral("agreementWeb"));
            return onScreen("AgreementViewController") && web && !web->toPlainText().isEmpty();
        });
}

void Tour::start() {
    directory_.mkpath(QStringLiteral("."));
    log_.setFileName(directory_.filePath(QStringLiteral("tour.log")));
    if (!log_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "tour: cannot write %s\n", qPrintable(log_.fileName()));
        QTimer::singleShot(0, this, [this] { emit finished(false); });
        return;
    }
    addSteps();
    log(QStringLiteral("tour of 星笺 against %1, phone %2")
            .arg(ServerConfig::current().host, phone_));
    QTimer::singleShot(0, this, &Tour::runNext);
}

void Tour::runNext() {
    if (next_ >= steps_.size()) {
        finish(true);
        return;
    }
    deadline_ = QDateTime::currentMSecsSinceEpoch() + kStepTimeoutMillis;
    poll();
}

void Tour::poll() {
    Step& current = steps_[next_];
    if (!current.acted && (!current.ready || current.ready())) {
        current.acted = true;
        // Queued: an action may wait inside (the address-book prompt) while the tour goes on.
        QTimer::singleShot(0, this, current.action);
    }
    if (current.acted && current.reached()) {
        // Let the slide or fade end before the picture is taken.
        QTimer::singleShot(kSettleMillis, this, [this] {
            const Step& done = steps_[next_];
            const QString file =
                QStringLiteral("%1-%2.png").arg(next_ + 1, 2, 10, QLatin1Char('0')).arg(done.name);
            const bool saved = delegate_.window()->grab().save(directory_.filePath(file));
            log(QStringLiteral("%1 %2 %3")
                    .arg(next_ + 1, 2, 10, QLatin1Char('0'))
                    .arg(done.name, saved ? QStringLiteral("ok ") + file
                                          : QStringLiteral("FAILED (picture not saved)")));
            if (!saved) {
                finish(false);
                return;
            }
            ++next_;
            runNext();
        });
        return;
    }
    if (QDateTime::currentMSecsSinceEpoch() > deadline_) {
        ViewController* screen = delegate_.window()->topViewController();
        log(QStringLiteral("%1 %2 FAILED: still on %3")
                .arg(next_ + 1, 2, 10, QLatin1Char('0'))
                .arg(current.name,
                     screen ? screen->metaObject()->className() : QStringLiteral("no screen")));
        delegate_.window()->grab().save(
            directory_.filePath(QStringLiteral("failed-%1.png").arg(current.name)));
        finish(false);
        return;
    }
    QTimer::singleShot(kPollMillis, this, &Tour::poll);
}

void Tour::finish(bool passed) {
    log(passed ? QStringLiteral("tour passed: %1 steps").arg(steps_.size())
               : QStringLiteral("tour failed"));
    log_.close();
    emit finished(passed);
}

void Tour::log(const QString& line) {
    log_.write(line.toUtf8() + '\n');
    log_.flush();
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}
