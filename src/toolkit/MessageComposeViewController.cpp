#include "toolkit/MessageComposeViewController.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QUrlQuery>
#include <QVBoxLayout>

#include "platform/UrlOpener.h"
#include "toolkit/BarButtonItem.h"
#include "toolkit/Fonts.h"

namespace {
bool deviceCanSendText = true;
}

bool MessageComposeViewController::canSendText() {
    return deviceCanSendText;
}
void MessageComposeViewController::setCanSendText(bool can) {
    deviceCanSendText = can;
}

MessageComposeViewController::MessageComposeViewController()
    : recipientsField_(new QLineEdit(this)), bodyView_(new QTextEdit(this)) {
    setObjectName(QStringLiteral("MessageComposeViewController"));
    setBackgroundColor(Qt::white);
    navigationItem().setTitleString(QStringLiteral("新信息"));
    navigationItem()
        .setLeftBarButtonItem(QString(), QString(), QStringLiteral("取消"), {},
                              [this] { cancel(); })
        ->setObjectName(QStringLiteral("cancelButton"));
    navigationItem()
        .setRightBarButtonItem(QString(), QString(), QStringLiteral("发送"), {}, [this] { send(); })
        ->setObjectName(QStringLiteral("sendButton"));

    auto* to = new QLabel(QStringLiteral("收件人："), this);
    to->setFont(getFontWith(false, 15));
    to->setStyleSheet(QStringLiteral("color: #888888;"));
    recipientsField_->setObjectName(QStringLiteral("recipients"));
    recipientsField_->setFont(getFontWith(false, 15));
    recipientsField_->setFrame(false);
    bodyView_->setObjectName(QStringLiteral("body"));
    bodyView_->setFont(getFontWith(false, 15));
    bodyView_->setAcceptRichText(false);
    bodyView_->setStyleSheet(
        QStringLiteral("QTextEdit { border: none; border-top: 1px solid #EEEEEE; }"));

    auto* header = new QHBoxLayout;
    header->setContentsMargins(12, 8, 12, 8);
    header->addWidget(to);
    header->addWidget(recipientsField_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(header);
    layout->addWidget(bodyView_, 1);
}

void MessageComposeViewController::setBody(const QString& body) {
    bodyView_->setPlainText(body);
}
QString MessageComposeViewController::body() const {
    return bodyView_->toPlainText();
}

void MessageComposeViewController::setRecipients(const QStringList& recipients) {
    recipientsField_->setText(recipients.join(QStringLiteral(", ")));
}

QStringList MessageComposeViewController::recipients() const {
    QStringList list;
    for (const QString& part : recipientsField_->text().split(QLatin1Char(',')))
        if (!part.trimmed().isEmpty()) list << part.trimmed();
    return list;
}

QUrl MessageComposeViewController::messageUrl(const QStringList& recipients, const QString& body) {
    QUrl url;
    url.setScheme(QStringLiteral("sms"));
    url.setPath(recipients.join(QLatin1Char(',')));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("body"), QString::fromUtf8(QUrl::toPercentEncoding(body)));
    url.setQuery(query.query(QUrl::FullyEncoded), QUrl::StrictMode);
    return url;
}

void MessageComposeViewController::send() {
    finish(UrlOpener::openURL(messageUrl(recipients(), body())) ? Result::Sent : Result::Failed);
}

void MessageComposeViewController::cancel() {
    finish(Result::Cancelled);
}

void MessageComposeViewController::finish(Result result) {
    if (messageComposeDelegate)
        messageComposeDelegate(*this, result);
    else
        dismissViewControllerAnimated(true);
}
