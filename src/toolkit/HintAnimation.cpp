#include "toolkit/HintAnimation.h"

#include <QPropertyAnimation>
#include <QWidget>

#include "core/MainQueue.h"

void AnimationLeftAndRight(QWidget* view, int x) {
    MainQueue::shared().every(
        0.5,
        [view, x] {
            int target = 0;
            if (view->x() == x)
                target = x + 10;
            else if (view->x() == x + 10)
                target = x;
            else
                return;  // somewhere else (still moving, or moved by someone): leave it
            auto* move = new QPropertyAnimation(view, "pos", view);
            move->setDuration(500);
            move->setEndValue(QPoint(target, view->y()));
            move->start(QAbstractAnimation::DeleteWhenStopped);
        },
        view);
}
