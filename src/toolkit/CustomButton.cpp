#include "toolkit/CustomButton.h"

#include <QPainter>

#include "services/ColorWithHex.h"
#include "toolkit/Images.h"

CustomButton* CustomButton::buttonWithRect(const QRect& rect, const QString& btnTitle,
                                           const QString& btnImage, const QString& btnSelectedImage,
                                           QWidget* parent) {
    auto* button = new CustomButton(parent);
    button->customRect = rect;
    button->customTitle = btnTitle;
    button->customImage = btnImage;
    button->customSelectedImage = btnSelectedImage;
    button->setGeometry(rect);
    button->setCheckable(false);
    if (!btnImage.isEmpty())
        button->normalImage_ = imageNamed(btnImage);
    else if (!btnSelectedImage.isEmpty())
        button->selectedImage_ = imageNamed(btnSelectedImage);
    button->setText(btnTitle);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, colorWithHex(0xD0246C));
    button->setPalette(palette);
    button->setFlat(true);
    return button;
}

void CustomButton::addButtionAction(std::function<void()> action, ControlEvent event) {
    buttonActionBlock = std::move(action);
    disconnect(actionConnection_);
    actionConnection_ =
        event == TouchDown
            ? connect(this, &QPushButton::pressed, this, &CustomButton::executButtonAction)
            : connect(this, &QPushButton::clicked, this, &CustomButton::executButtonAction);
}

void CustomButton::executButtonAction() {
    if (buttonActionBlock) buttonActionBlock();
}

void CustomButton::setSelected(bool selected) {
    selected_ = selected;
    update();
}

void CustomButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap image = selected_ && !selectedImage_.isNull() ? selectedImage_ : normalImage_;
    if (!image.isNull()) painter.drawPixmap(rect(), image);
    if (!text().isEmpty()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
}
