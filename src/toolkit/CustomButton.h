#pragma once

#include <QPushButton>
#include <QVariant>
#include <functional>

// A button that runs a stored callback; created with a frame, a title (#D0246C) and images.
class CustomButton : public QPushButton {
    Q_OBJECT
  public:
    enum ControlEvent { TouchUpInside, TouchDown };

    // With both image names only the normal image is shown; the selected-state image is used
    // only when there is no normal one.
    static CustomButton* buttonWithRect(const QRect& rect, const QString& btnTitle,
                                        const QString& btnImage, const QString& btnSelectedImage,
                                        QWidget* parent = nullptr);
    void addButtionAction(std::function<void()> action, ControlEvent event = TouchUpInside);
    void executButtonAction();
    // The phone's selected state (not the pressed one): shows the selected-state image.
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }

    QRect customRect;
    QString customTitle;
    QString customImage;
    QString customSelectedImage;
    std::function<void()> buttonActionBlock;
    QVariant extraData;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    explicit CustomButton(QWidget* parent) : QPushButton(parent) {}
    QPixmap normalImage_, selectedImage_;
    QMetaObject::Connection actionConnection_;
    bool selected_ = false;
};
