#include <QSettings>

#include "core/ApplicationHome.h"
#include "services/LeadingInteger.h"
#include "services/LogicManager.h"

void LogicManager::reloadSettings() {
    const QString path = ApplicationHome::filePath(QStringLiteral("settings.ini"));
    // Owner-only from the start; QSettings keeps a file's permissions when it rewrites it.
    ApplicationHome::ensurePrivateFile(path);
    settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

QString LogicManager::getPersistenceStringWithKey(const QString& key) const {
    if (!settings_) const_cast<LogicManager*>(this)->reloadSettings();
    const QVariant value = settings_->value(key);
    if (!value.isValid()) return {};
    return value.toString();
}

qint64 LogicManager::getPersistenceIntegerWithKey(const QString& key) const {
    const QString text = getPersistenceStringWithKey(key).trimmed();
    if (text.isNull()) return 0;
    bool ok = false;
    if (const qint64 value = text.toLongLong(&ok); ok) return value;
    if (const quint64 value = text.toULongLong(&ok); ok) return static_cast<qint64>(value);
    return leadingInteger(text);
}

void LogicManager::setPersistenceData(const QVariant& value, const QString& key) {
    if (!settings_) reloadSettings();
    if (value.isValid()) {
        settings_->setValue(key, value);
    } else {
        settings_->remove(key);
    }
    settings_->sync();
}
