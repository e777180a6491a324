#pragma once

#include <QImage>
#include <QUrl>
#include <QWidget>
#include <functional>

class ActivityIndicator;

// An image view that shows a picture from an address: the placeholder until it arrives, a
// small grey spinner while it loads, the placeholder again when it cannot be had.
class RemoteImageView : public QWidget {
    Q_OBJECT
  public:
    explicit RemoteImageView(QWidget* parent = nullptr);

    void setPlaceholderImage(const QImage& placeholder);
    // The URL setter: no address shows the placeholder and forgets the old one.
    void setImageURL(const QUrl& url);
    const QUrl& imageURL() const { return url_; }
    // What is shown now (the placeholder included).
    const QImage& image() const { return shown_; }
    bool isShowingPlaceholder() const { return showingPlaceholder_; }
    ActivityIndicator* indicator() const { return indicator_; }

    // The delegate's loaded-image callback.
    std::function<void(RemoteImageView* view, const QImage& image)> imageLoadedBlock;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showPlaceholder();

    QUrl url_;
    QImage placeholder_;
    QImage shown_;
    bool showingPlaceholder_ = true;
    ActivityIndicator* indicator_;
};
