#include "screens/ScreenTest.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "core/MainQueue.h"
#include "net/NetWorkEngine.h"
#include "net/ServerConfig.h"
#include "platform/Analytics.h"
#include "services/LogicManager.h"
#include "services/RecordingAlertPresenter.h"
#include "support/ReplyBytes.h"
#include "support/Wait.h"
#include "toolkit/ProgressHud.h"

ScriptedServer& ScreenTest::server() {
    static ScriptedServer* instance = [] {
        auto* scripted = new ScriptedServer;
        ServerConfig::current().host = QStringLiteral("127.0.0.1");
        ServerConfig::current().tcpPort = scripted->port();
        NetWorkEngine::shareInstance().connectToServer();
        scripted->waitForClient();
        waitUntil([] { return NetWorkEngine::shareInstance().isConnected(); });
        return scripted;
    }();
    return *instance;
}

void ScreenTest::SetUp() {
    MainQueue::shared().useManualClock();
    home = std::make_unique<TestHome>();
    server().clearRequests();  // first: it points the shared connection at the scripted server
    ASSERT_TRUE(NetWorkEngine::shareInstance().isConnected());
    window = std::make_unique<PhoneWindow>();
    window->show();
}

void ScreenTest::TearDown() {
    window.reset();
    flushDeletes();
    settle();
    server().clearRequests();
    home.reset();
}

bool ScreenTest::waitForRequests(std::size_t count) {
    return server().waitForRequests(count);
}

std::vector<Package> ScreenTest::requestsFor(int32_t subSystem, uint32_t protocol) const {
    std::vector<Package> found;
    for (const Package& sent : server().requests()) {
        const std::vector<uint8_t>& bytes = sent.bytes();
        const auto subSystemOf =
            static_cast<int32_t>((uint32_t{bytes[12]} << 24) | (uint32_t{bytes[13]} << 16) |
                                 (uint32_t{bytes[14]} << 8) | bytes[15]);
        if (subSystemOf == subSystem && sent.getProtocalId() == protocol) found.push_back(sent);
    }
    return found;
}

Package ScreenTest::waitForRequest(int32_t subSystem, uint32_t protocol) {
    waitUntil([&] { return !requestsFor(subSystem, protocol).empty(); }, 5000);
    const std::vector<Package> found = requestsFor(subSystem, protocol);
    return found.empty() ? Package() : found.front();
}

void ScreenTest::reply(const Package& request, const std::function<void(Package&)>& body) {
    server().send(replyBytes(request.getProtocalId(), request.packgeSequnce(), body, 1));
    settle();
}

void ScreenTest::advance(double seconds) {
    MainQueue::shared().advance(seconds);
    flushDeletes();
}

void ScreenTest::flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ScreenTest::removeOverlays(QWidget* root) {
    for (QWidget* overlay : root->findChildren<QWidget*>(QStringLiteral("shareBlurView")))
        overlay->deleteLater();
    flushDeletes();
}

void ScreenTest::click(const QString& name) {
    auto* button = child<QPushButton>(name);
    ASSERT_NE(button, nullptr) << name.toStdString();
    button->click();
}

void ScreenTest::type(const QString& field, const QString& text) {
    auto* edit = child<QLineEdit>(field);
    ASSERT_NE(edit, nullptr) << field.toStdString();
    edit->setText(text);
}

QString ScreenTest::hudText() const {
    if (!screen()) return {};
    for (const ProgressHud* hud : screen()->findChildren<ProgressHud*>())
        if (hud->isShowing()) return hud->labelText();
    return {};
}

QStringList ScreenTest::alerts() const {
    return LogicManager::sharedInstance().recordingAlertPresenter().messages();
}

QStringList ScreenTest::events() const {
    QStringList ids;
    for (const QString& line : Analytics::shared().loggedLines())
        ids << line.section('\t', 1, 1);
    return ids;
}
