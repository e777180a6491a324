#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Stored photos: real JPEG or PNG images under 10 MiB, kept under random names in one folder.
class Uploads {
  public:
    static constexpr qsizetype kMaxBytes = 10 << 20;

    explicit Uploads(QString folder);

    // The stored name, or nothing (with a reason) when the bytes are not an acceptable image.
    std::optional<QString> store(const QByteArray& bytes, QString* error) const;
    // The bytes and content type of a stored name; nothing for unknown or malformed names.
    std::optional<std::pair<QByteArray, QString>> load(const QString& name) const;

    static bool isValidName(const QString& name);
    // "jpg" or "png" when the bytes are a complete image of that kind.
    static QString imageKind(const QByteArray& bytes);
    const QString& folder() const { return folder_; }

  private:
    QString folder_;
};
