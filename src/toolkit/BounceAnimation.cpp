#include "toolkit/BounceAnimation.h"

#include <QParallelAnimationGroup>
#include <QPointer>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>
#include <QWidget>

#include "toolkit/TransformEffect.h"

namespace {

void addStep(QSequentialAnimationGroup* group, TransformEffect* effect, int millis, qreal scale,
             qreal opacity) {
    auto* both = new QParallelAnimationGroup(group);
    auto* grow = new QPropertyAnimation(effect, "scale", both);
    grow->setDuration(millis);
    grow->setEndValue(scale);
    auto* fade = new QPropertyAnimation(effect, "opacity", both);
    fade->setDuration(millis);
    fade->setEndValue(opacity);
    group->addAnimation(both);
}

}  // namespace

void bounceIn(QWidget* view, bool fadeInFirstStep) {
    auto* effect = new TransformEffect(view);
    view->setGraphicsEffect(effect);
    auto* group = new QSequentialAnimationGroup(view);
    addStep(group, effect, 200, 1.1, fadeInFirstStep ? 0.5 : 1.0);
    addStep(group, effect, 100, 0.9, 0.8);
    addStep(group, effect, 100, 1.0, 1.0);
    QPointer<QWidget> target(view);
    QObject::connect(group, &QAbstractAnimation::finished, view, [target] {
        if (target) target->setGraphicsEffect(nullptr);
    });
    group->start(QAbstractAnimation::DeleteWhenStopped);
}
