#include "toolkit/FieldPointer.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPropertyAnimation>

#include "toolkit/HintAnimation.h"
#include "toolkit/Images.h"

FieldPointer::FieldPointer(const QString& objectName, int x, QWidget* parent)
    : QWidget(parent), arrow_(new QLabel(this)) {
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPixmap picture = imageNamed(QStringLiteral("img_arrow"));
    const QSize size = picture.deviceIndependentSize().toSize();
    arrow_->setPixmap(picture);
    arrow_->setGeometry(x, 0, size.width(), size.height());
    // Wide enough for the swing of 10 points to the right.
    setGeometry(0, 0, x + size.width() + 10, size.height());
    AnimationLeftAndRight(arrow_, x);
}

void FieldPointer::follow(QLineEdit* field) {
    field->installEventFilter(this);
}

void FieldPointer::moveBeside(const QWidget* field) {
    auto* move = new QPropertyAnimation(this, "pos", this);
    move->setDuration(kMoveMillis);
    move->setEndValue(QPoint(x(), field->y() + 13));
    move->start(QAbstractAnimation::DeleteWhenStopped);
}

bool FieldPointer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        if (auto* field = qobject_cast<QLineEdit*>(watched)) moveBeside(field);
    return QWidget::eventFilter(watched, event);
}
