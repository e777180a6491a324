#include "toolkit/RemoteImageView.h"

#include <QPainter>

#include "toolkit/ActivityIndicator.h"
#include "toolkit/RemoteImageLoader.h"

RemoteImageView::RemoteImageView(QWidget* parent)
    : QWidget(parent), indicator_(new ActivityIndicator(this)) {
    indicator_->resize(20, 20);
}

void RemoteImageView::setPlaceholderImage(const QImage& placeholder) {
    placeholder_ = placeholder;
    if (showingPlaceholder_) showPlaceholder();
}

void RemoteImageView::showPlaceholder() {
    shown_ = placeholder_;
    showingPlaceholder_ = true;
    update();
}

void RemoteImageView::setImageURL(const QUrl& url) {
    if (url.isEmpty()) {
        url_.clear();
        indicator_->stopAnimating();
        showPlaceholder();
        return;
    }
    url_ = url;
    showPlaceholder();
    resizeEvent(nullptr);  // centred even before the view was first shown
    indicator_->startAnimating();
    RemoteImageLoader::shared().load(url, this, [this, url](const QImage& image) {
        if (url != url_) return;  // the view moved on to another picture (a reused cell)
        indicator_->stopAnimating();
        if (image.isNull()) {
            showPlaceholder();
            return;
        }
        shown_ = image;
        showingPlaceholder_ = false;
        update();
        if (imageLoadedBlock) imageLoadedBlock(this, image);
    });
}

void RemoteImageView::resizeEvent(QResizeEvent*) {
    indicator_->move((width() - indicator_->width()) / 2, (height() - indicator_->height()) / 2);
}

void RemoteImageView::paintEvent(QPaintEvent*) {
    if (shown_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Fill the view, cropping what does not fit (square cards show square pictures).
    const QSize target = shown_.size().scaled(size(), Qt::KeepAspectRatioByExpanding);
    const QRect source(
        (target.width() - width()) * shown_.width() / std::max(1, target.width()) / 2,
        (target.height() - height()) * shown_.height() / std::max(1, target.height()) / 2,
        width() * shown_.width() / std::max(1, target.width()),
        height() * shown_.height() / std::max(1, target.height()));
    painter.drawImage(rect(), shown_, source);
}
