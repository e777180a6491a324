#include <QJsonDocument>

#include "services/LogicManager.h"
#include "store/NSObjectExtention.h"

QVariant LogicManager::jsonStringTOObject(const QString& text) const {
    if (text.isNull()) return {};
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError) return {};
    return document.toVariant();
}

QString LogicManager::objectToJsonString(const QVariant& object) const {
    // Only a dictionary or a list is a JSON document.
    const int type = object.typeId();
    if (type != QMetaType::QVariantMap && type != QMetaType::QVariantList &&
        type != QMetaType::QVariantHash && type != QMetaType::QStringList)
        return {};
    const QJsonDocument document = QJsonDocument::fromVariant(object);
    if (document.isNull()) return {};
    return QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

QString LogicManager::objectToJsonString(const NSObjectExtention& record) const {
    return objectToJsonString(record.serialization());
}
