#include "screens/feed/SecretPicture.h"

#include <QHash>
#include <QUrl>

#include "toolkit/Images.h"
#include "toolkit/RemoteImageView.h"

void showSecretPicture(RemoteImageView* view, const QString& imageStr) {
    if (imageStr.contains(QLatin1String("http"))) {
        view->setPlaceholderImage({});
        view->setImageURL(QUrl(imageStr));
        return;
    }
    view->setImageURL(QUrl());
    const QString name = imageStr.contains(QLatin1String("12"))
                             ? QStringLiteral("img_secretCell_background_2")
                             : imageStr;
    // Rows redraw on every scroll: keep each background as an image, shared by every row.
    static QHash<QString, QImage> images;
    auto it = images.find(name);
    if (it == images.end())
        it = images.insert(name, name.isEmpty() ? QImage() : imageNamed(name).toImage());
    view->setPlaceholderImage(*it);
}
