#include "core/ApplicationHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString& homePath() {
    static QString path;
    return path;
}

void makePrivateDirectory(const QString& directory) {
    QDir().mkpath(directory);
    QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace

QString ApplicationHome::path() {
    if (homePath().isEmpty()) {
        setPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    }
    return homePath();
}

void ApplicationHome::setPath(const QString& directory) {
    homePath() = QDir(directory).absolutePath();
    makePrivateDirectory(homePath());
}

QString ApplicationHome::filePath(const QString& relative) {
    const QString file = QDir(path()).filePath(relative);
    const QString folder = QFileInfo(file).absolutePath();
    if (!QFileInfo::exists(folder)) makePrivateDirectory(folder);
    return file;
}

bool ApplicationHome::ensurePrivateFile(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        if (!file.open(QIODevice::WriteOnly)) return false;
        file.close();
    }
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}
