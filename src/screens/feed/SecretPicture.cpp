#include "screens/feed/SecretPicture.h"

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
    view->setPlaceholderImage(name.isEmpty() ? QImage() : imageNamed(name).toImage());
}
