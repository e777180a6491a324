#pragma once

#include <functional>

#include "toolkit/ViewController.h"

class QLineEdit;
class QTextEdit;

// The phone's text-message composer, on a desktop: recipients and a body the user can still
// edit; sending hands an "sms:" link to the desktop's messaging program. The delegate hears
// how it ended and dismisses it.
class MessageComposeViewController : public ViewController {
    Q_OBJECT
  public:
    enum class Result { Cancelled, Sent, Failed };

    MessageComposeViewController();

    // Whether this device can send text messages (a desktop can hand the link on).
    static bool canSendText();
    static void setCanSendText(bool can);

    void setBody(const QString& body);
    QString body() const;
    void setRecipients(const QStringList& recipients);
    QStringList recipients() const;

    // The sms: link for the recipients and the body.
    static QUrl messageUrl(const QStringList& recipients, const QString& body);

    // messageComposeViewController:didFinishWithResult:
    std::function<void(MessageComposeViewController& controller, Result result)>
        messageComposeDelegate;

    void send();
    void cancel();

  private:
    void finish(Result result);

    QLineEdit* recipientsField_;
    QTextEdit* bodyView_;
};
