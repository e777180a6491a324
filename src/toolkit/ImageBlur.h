#pragma once

#include <QImage>

class QWidget;

// The image blur of the blurred overlays: three box-blur passes each way (close to a
// Gaussian), linear in the number of pixels whatever the radius.
class ImageBlur {
  public:
    // strength 0…1, as the phone's blur takes it; 1 is a 40-pixel radius. The size is kept.
    static QImage blurredImage(const QImage& image, double strength);
    static QImage boxBlur(const QImage& image, int radius, int passes = 3);
    static int radiusForStrength(double strength);
    // What a view shows now, as a picture (the "snapshot" the overlays blur).
    static QImage snapshot(QWidget* view);
};
