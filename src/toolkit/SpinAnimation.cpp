#include "toolkit/SpinAnimation.h"

#include <QVariantAnimation>

QVariantAnimation* spinAnimation(QObject* parent, int steps, int millis,
                                 std::function<void(int)> onValue) {
    auto* spin = new QVariantAnimation(parent);
    spin->setStartValue(0);
    spin->setEndValue(steps);
    spin->setDuration(millis);
    spin->setLoopCount(-1);
    QObject::connect(
        spin, &QVariantAnimation::valueChanged, parent,
        [onValue = std::move(onValue)](const QVariant& value) { onValue(value.toInt()); });
    return spin;
}
