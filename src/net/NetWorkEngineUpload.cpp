#include <QHttpMultiPart>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#include "net/NetWorkEngine.h"

namespace {

const char* const kTimedOutProperty = "xingjianUploadTimedOut";

// A form field name goes inside a quoted header parameter.
QString quotedName(const QString& name) {
    QString safe = name;
    safe.remove('\r').remove('\n').replace('"', QStringLiteral("%22"));
    return '"' + safe + '"';
}

bool isAcceptedContentType(const QString& header) {
    static const QStringList accepted{QStringLiteral("application/json"),
                                      QStringLiteral("text/json"),
                                      QStringLiteral("text/javascript"),
                                      QStringLiteral("text/plain"), QStringLiteral("text/html")};
    const QString mime = header.section(';', 0, 0).trimmed().toLower();
    return accepted.contains(mime);
}

// The decoded JSON of a finished upload, or an error text.
QVariant decodeReply(QNetworkReply* reply, QString* error) {
    if (reply->property(kTimedOutProperty).toBool()) {
        *error = QStringLiteral("upload timed out");
        return {};
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) {
        *error = reply->errorString();
        return {};
    }
    if (status.toInt() < 200 || status.toInt() > 299) {
        *error = QStringLiteral("HTTP status %1").arg(status.toInt());
        return {};
    }
    const QString contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    if (!isAcceptedContentType(contentType)) {
        *error = QStringLiteral("unaccepted content type: %1").arg(contentType);
        return {};
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(reply->readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("undecodable JSON: %1").arg(parseError.errorString());
        return {};
    }
    return document.toVariant();
}

}  // namespace

void NetWorkEngine::postWithData(const QString& url, const QByteArray& data, const QString& dataKey,
                                 const QVariantMap& parameters, UploadSuccess success,
                                 UploadFailure failure) {
    auto* multiPart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it) {
        QHttpPart part;
        part.setHeader(QNetworkRequest::ContentDispositionHeader,
                       QStringLiteral("form-data; name=%1").arg(quotedName(it.key())));
        part.setBody(it.value().toString().toUtf8());
        multiPart->append(part);
    }
    QHttpPart file;
    file.setHeader(
        QNetworkRequest::ContentDispositionHeader,
        QStringLiteral("form-data; name=%1; filename=\"file.png\"").arg(quotedName(dataKey)));
    file.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("image/png"));
    file.setBody(data);
    multiPart->append(file);

    QNetworkReply* reply = server->post(QNetworkRequest(QUrl(url)), multiPart);
    multiPart->setParent(reply);

    // An upload that hears nothing fails instead of hanging.
    const MainQueue::TimerId timeout = MainQueue::shared().after(
        kUploadTimeout,
        [reply] {
            reply->setProperty(kTimedOutProperty, true);
            reply->abort();
        },
        reply);
    connect(reply, &QNetworkReply::finished, this,
            [reply, timeout, success = std::move(success), failure = std::move(failure)] {
                MainQueue::shared().cancel(timeout);
                reply->deleteLater();
                QString error;
                const QVariant json = decodeReply(reply, &error);
                if (error.isEmpty()) {
                    if (success) success(reply, json);
                } else if (failure) {
                    failure(reply, error);
                }
            });
}
