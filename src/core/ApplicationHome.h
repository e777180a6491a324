#pragma once

#include <QString>

// The application's home directory: everything the client keeps on disk lives below it
// (the database under Documents/, the settings file). `--home DIR` chooses another one.
class ApplicationHome {
  public:
    static QString path();
    // Creates the folder (owner-only) if needed.
    static void setPath(const QString& directory);
    // A path below the home; its folder is created owner-only.
    static QString filePath(const QString& relative);
    // Creates an empty file with owner-only permissions unless it exists, so that the
    // writers that follow keep those permissions.
    static bool ensurePrivateFile(const QString& path);
};
