#include "app/PlatformSetup.h"

#include <QFileDialog>
#include <QPointer>

#include "app/AppDelegate.h"
#include "platform/PushNotifications.h"
#include "platform/UrlOpener.h"
#include "platform/VCardAddressBook.h"
#include "platform/WXApi.h"
#include "services/LogicManager.h"
#include "toolkit/AlertView.h"
#include "toolkit/PhoneWindow.h"

namespace PlatformSetup {

namespace {

// Asks once; the answer holds for later starts too, as the phone remembers it.
void askForAccess(std::function<void(bool granted)> answer) {
    LogicManager& hub = LogicManager::sharedInstance();
    const qint64 remembered = hub.getPersistenceIntegerWithKey(kAccessKey);
    if (remembered != 0) {
        answer(remembered == 1);
        return;
    }
    QWidget* window = PhoneWindow::applicationWindow();
    if (!window) {
        answer(false);
        return;
    }
    auto* prompt = new AlertView(kPromptTitle, kPromptMessage, QStringLiteral("不允许"),
                                 QStringLiteral("好"), window);
    prompt->setObjectName(QStringLiteral("addressBookPrompt"));
    auto decide = [answer](bool granted) {
        LogicManager::sharedInstance().setPersistenceData(granted ? 1 : 2, kAccessKey);
        answer(granted);
    };
    QObject::connect(prompt, &AlertView::accepted, prompt, [decide] { decide(true); });
    QObject::connect(prompt, &AlertView::cancelled, prompt, [decide] { decide(false); });
}

QString pickContactsFile() {
    return QFileDialog::getOpenFileName(PhoneWindow::applicationWindow(),
                                        QStringLiteral("选择通讯录"), QString(),
                                        QStringLiteral("通讯录 (*.vcf)"));
}

}  // namespace

void installAddressBook(const QString& contactsFile) {
    auto book = std::make_unique<VCardAddressBook>(contactsFile, askForAccess);
    if (contactsFile.isEmpty()) book->setPathChooser(pickContactsFile);
    LogicManager::sharedInstance().setAddressBook(std::move(book));
}

void connectDelegate(AppDelegate& delegate) {
    WXApi::setLinkOpener([](const QUrl& url) { UrlOpener::openURL(url); });
    PushNotifications& push = PushNotifications::shared();
    QPointer<AppDelegate> target(&delegate);
    push.didRegisterForRemoteNotificationsWithDeviceToken = [target](const QString& token) {
        if (target) target->didRegisterForRemoteNotificationsWithDeviceToken(token);
    };
    push.didFailToRegisterForRemoteNotificationsWithError = [target](const QString& error) {
        if (target) target->didFailToRegisterForRemoteNotificationsWithError(error);
    };
    push.didReceiveRemoteNotification = [target](const QVariantMap& payload) {
        if (target) target->didReceiveRemoteNotification(payload);
    };
    push.didOpenURL = [target](const QUrl& url) {
        if (target) target->openURL(url);
    };
}

}  // namespace PlatformSetup
