#include "toolkit/Images.h"

#include "toolkit/GeneratedArt.h"
#include "toolkit/IconArt.h"
#include "toolkit/SplashArt.h"

#include <QFile>
#include <QPainter>
#include <QPixmapCache>

QPixmap imageNamed(const QString& name) {
    if (name.isEmpty()) return {};
    QPixmap pixmap;
    if (QPixmapCache::find(name, &pixmap)) return pixmap;
    QImage art = GeneratedArt::forName(name);
    if (art.isNull()) art = IconArt::forName(name);
    if (art.isNull()) art = SplashArt::forName(name);
    if (!art.isNull()) {
        pixmap = QPixmap::fromImage(art);
        pixmap.setDevicePixelRatio(2);  // drawn at twice the point size
        QPixmapCache::insert(name, pixmap);
        return pixmap;
    }
    for (const char* extension : {".svg", ".png", ".jpg"}) {
        const QString path = QStringLiteral(":/images/") + name + QLatin1String(extension);
        if (QFile::exists(path) && pixmap.load(path)) {
            QPixmapCache::insert(name, pixmap);
            return pixmap;
        }
    }
    return {};
}

QPixmap tintedImage(const QPixmap& picture, const QColor& colour) {
    if (picture.isNull()) return picture;
    QPixmap tinted(picture.size());
    tinted.setDevicePixelRatio(picture.devicePixelRatio());
    tinted.fill(Qt::transparent);
    QPainter painter(&tinted);
    painter.drawPixmap(0, 0, picture);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(QPointF(0, 0), picture.deviceIndependentSize()), colour);
    return tinted;
}
