#pragma once

class QWidget;

// AnimationLeftAndRight: every 0.5 s the view swings between x and x + 10 (a 0.5 s move), for
// as long as it exists; the hint arrow of the sign-in and registration screens.
void AnimationLeftAndRight(QWidget* view, int x);
