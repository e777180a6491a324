#pragma once

#include <QSizeF>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

#include "platform/WeiboSDK.h"
#include "services/PageCursor.h"

class AddressBook;
class QFont;
class ViewController;
class AlertPresenter;
class NSObjectExtention;
class QSettings;
class RecordingAlertPresenter;

// The service hub every screen uses. One class; its parts live in separate files:
// settings (LogicManagerSettings.cpp), JSON, reply codes and alerts, credentials, paging
// cursors, address book.
class LogicManager : public WBHttpRequestDelegate {
  public:
    static LogicManager& sharedInstance();
    ~LogicManager() override;

    // Settings store: small values under fixed keys, flushed to disk on every write.
    QString getPersistenceStringWithKey(const QString& key) const;
    // Numbers at full 64-bit width (unsigned cursors come back bit for bit); a text is read
    // as its leading decimal integer; 0 when absent.
    qint64 getPersistenceIntegerWithKey(const QString& key) const;
    // An invalid QVariant removes the key.
    void setPersistenceData(const QVariant& value, const QString& key);
    // Opens the settings file below the current application home.
    void reloadSettings();

    // JSON. An invalid QVariant stands for "nothing".
    QVariant jsonStringTOObject(const QString& text) const;
    QString objectToJsonString(const QVariant& object) const;
    QString objectToJsonString(const NSObjectExtention& record) const;

    // The window's root screen: inside a new navigation stack, or the screen itself. Nothing
    // happens for no screen. The UI installs the switcher that does it.
    void setRootViewContrllerWithNavigationBar(ViewController* controller);
    void setRootViewContrller(ViewController* controller);
    using RootSwitcher = std::function<void(ViewController* controller, bool withNavigationBar)>;
    void setRootSwitcher(RootSwitcher switcher) { rootSwitcher_ = std::move(switcher); }

    // The size of the text drawn in the font inside a box of that width and height (lines
    // wrapped at words, the font's leading included); (0, 0) for no text. Not rounded.
    static QSizeF calculateCGSizeWith(const QString& text, double height, double width,
                                      const QFont& font);

    // Alerts with one button; shown by the installed presenter.
    void showAlertWithTitle(const QString& title, const QString& message,
                            const QString& actionText);
    // The plain alert: no title, the button "确定".
    void showAlertWithMessage(const QString& message);
    // Borrowed; nullptr goes back to the built-in recording presenter.
    void setAlertPresenter(AlertPresenter* presenter);
    RecordingAlertPresenter& recordingAlertPresenter() { return *recorder_; }

    // The standard message of a reply's result code; true only for success (0).
    bool handleSocketResult(uint32_t result, int32_t errorCode);

    // Credentials. Stateless, so callable without the instance.
    static QString encodePassword(const QString& password);
    static QString encodePasswordWithsha1(const QString& password);
    static bool isMobileNumber(const QString& text);

    // Paging cursors of the timeline and the guide questions: the first request ever asks
    // for the last seven days and marks the list as fetched.
    PageCursor timelinePageCursor();
    PageCursor guideQuestionPageCursor();

    // Address book: (1, {"dic": [{"name", "phone"}…]}) or (-1, nothing) when there is no
    // address book. Called once, before this returns.
    using ContactsCallback = std::function<void(int status, const QVariantMap& result)>;
    void getContactFriends(const ContactsCallback& callback);
    void setAddressBook(std::unique_ptr<AddressBook> addressBook);
    QVariantList phoneDicArray;

    // Sharing to WeChat (scene 0 a chat, 1 the timeline) and Weibo. Content code 0 links the
    // store page (invitations), 1 the secret's web page, anything else nothing.
    void sendWechatWithTitle(const QString& title, const QString& describe, const QString& identify,
                             const QImage& image, int32_t scene, int32_t contentCode,
                             uint64_t feedId);
    void sendWeiBoWithTitle(const QString& title, const QString& desribe, const QImage& image,
                            int32_t contentCode, uint64_t feedId);
    void didReceiveWeiboResponse(const WBBaseResponse& response);
    void didReceiveWeiboRequest() {}
    // The Weibo status update's answers (the SDK's request:didFinishLoadingWithResult: and
    // request:didFailWithError:).
    void requestDidFinishLoadingWithResult(const QString& tag, const QByteArray& result) override;
    void requestDidFailWithError(const QString& tag, const QString& error) override;
    // The link of a shared secret or invitation ("wx" or "wb" pages), empty for no link.
    static QString shareLink(int32_t contentCode, uint64_t feedId, const QString& from);

  private:
    LogicManager();
    PageCursor pageCursor(const QString& firstTimeKey, const QString& cursorKey);

    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<RecordingAlertPresenter> recorder_;
    AlertPresenter* presenter_ = nullptr;
    std::unique_ptr<AddressBook> addressBook_;
    RootSwitcher rootSwitcher_;
};
