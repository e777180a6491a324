#include "platform/Badge.h"

namespace {
int gBadge = 0;
std::function<void(int)>& display() {
    static std::function<void(int)> instance;
    return instance;
}
}  // namespace

void Badge::setApplicationIconBadgeNumber(int number) {
    gBadge = number;
    if (display()) display()(number);
}

int Badge::applicationIconBadgeNumber() {
    return gBadge;
}

void Badge::setDisplay(std::function<void(int)> show) {
    display() = std::move(show);
    if (display()) display()(gBadge);
}
