#pragma once

#include <QImage>
#include <QString>

// Artwork that repeats, drawn in code: the twelve secret backgrounds
// ("img_secretCell_background_0" … 11) and the comment avatars ("0" for the secret's author,
// "1" … "20" for the others). The same index always gives the same picture.
class GeneratedArt {
  public:
    static constexpr int kBackgroundCount = 12;
    static constexpr int kAvatarCount = 21;

    static QImage background(int index, int side = 640);
    static QImage avatar(int index, int side = 80);
    // The picture for a resource name, or a null image when the name is not generated art.
    static QImage forName(const QString& name);
};
