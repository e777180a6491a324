#pragma once

#include <QMargins>
#include <QPushButton>
#include <functional>

// A navigation-bar button: an image (with a highlighted one) moved by content insets, or a
// bold white title.
class BarButtonItem : public QPushButton {
    Q_OBJECT
  public:
    // Width with a title: its width in the 14-point system font + 10, at least 42; height 30.
    // Without a title: the image's size, or 58 × 30 without an image.
    static BarButtonItem* create(const QString& image, const QString& imageSelected,
                                 const QString& title, const QMargins& inset,
                                 std::function<void()> action);

    const QMargins& contentInsets() const { return insets_; }
    void setContentInsets(const QMargins& insets);
    QSize sizeHint() const override { return size_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    explicit BarButtonItem(QWidget* parent = nullptr) : QPushButton(parent) {}
    QPixmap normal_, highlighted_;
    QMargins insets_;
    QSize size_;
};
