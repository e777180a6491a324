#pragma once

#include <QPixmap>
#include <QString>

// The app's image resources by name ("btn_close_n", "img_secretCell_background_7"), from the
// Qt resource system (":/images/NAME.svg" or ".png"). A missing name gives a null pixmap.
QPixmap imageNamed(const QString& name);

// The picture in one colour, keeping its shape (white glyphs drawn on light cards).
QPixmap tintedImage(const QPixmap& picture, const QColor& colour);
