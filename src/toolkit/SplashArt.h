#pragma once

#include <QImage>
#include <QString>

// The full-screen pictures of the onboarding, drawn in code at twice their point size: the
// four introduction pages for the tall screen ("splash1" … "splash4", 320 × 568) and the
// 3.5-inch one ("splash-1" … "splash-4", 320 × 480), the address-book screen before and
// while linking ("img_phone1", "img_phone2"), and the app's 58 × 58 icon ("58x58").
class SplashArt {
  public:
    static QImage forName(const QString& name);
    // The introduction page (0 … 3) for a screen of that height.
    static QImage page(int index, int height);
};
