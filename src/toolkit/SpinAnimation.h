#pragma once

#include <functional>

class QObject;
class QVariantAnimation;

// A forever-looping count from 0 to `steps` over `millis` (a spinner's turn), reporting each
// value; a Qt animation, so it runs on the clock's animation driver.
QVariantAnimation* spinAnimation(QObject* parent, int steps, int millis,
                                 std::function<void(int value)> onValue);
