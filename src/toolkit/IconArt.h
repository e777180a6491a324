#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The app's buttons, tips and bar drawn in code as vectors at twice their point size: the
// "_n" picture of a pair is the normal one, "_h" the pressed one.
class IconArt {
  public:
    // The picture for the name, or a null image for a name that is not drawn here.
    static QImage forName(const QString& name);
    static QStringList names();
};
