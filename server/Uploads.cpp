#include "Uploads.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QSaveFile>

#include "Crypto.h"

Uploads::Uploads(QString folder) : folder_(std::move(folder)) {
    QDir().mkpath(folder_);
}

bool Uploads::isValidName(const QString& name) {
    // Names are only ever ours: 32 hex digits and a known extension, so none reaches outside
    // the folder.
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-f]{32}\\.(jpg|png)$"));
    return pattern.match(name).hasMatch();
}

QString Uploads::imageKind(const QByteArray& bytes) {
    QString kind;
    if (bytes.startsWith("\xFF\xD8\xFF"))
        kind = QStringLiteral("jpg");
    else if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        kind = QStringLiteral("png");
    if (kind.isEmpty()) return {};
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, kind == QStringLiteral("jpg") ? "jpeg" : "png");
    reader.setAllocationLimit(256);  // MiB: a decompression bomb fails instead of eating memory
    return reader.read().isNull() ? QString() : kind;
}

std::optional<QString> Uploads::store(const QByteArray& bytes, QString* error) const {
    if (bytes.size() > kMaxBytes) {
        *error = QStringLiteral("image larger than 10 MiB");
        return std::nullopt;
    }
    const QString kind = imageKind(bytes);
    if (kind.isEmpty()) {
        *error = QStringLiteral("not a JPEG or PNG image");
        return std::nullopt;
    }
    const QString name = Crypto::randomKey() + '.' + kind;
    QSaveFile file(QDir(folder_).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("could not store the image");
        return std::nullopt;
    }
    return name;
}

std::optional<std::pair<QByteArray, QString>> Uploads::load(const QString& name) const {
    if (!isValidName(name)) return std::nullopt;
    QFile file(QDir(folder_).filePath(name));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QString type = name.endsWith(QStringLiteral(".png")) ? QStringLiteral("image/png")
                                                               : QStringLiteral("image/jpeg");
    return std::make_pair(file.readAll(), type);
}
