#pragma once

#include <functional>

class BarButtonItem;
class ViewController;

// The back button of the account screens: "btn_navBack_n" / "btn_navBack_h", no title,
// moved 10 points towards the edge (insets 0, -10, 0, 10).
BarButtonItem* setNavBackButton(ViewController* screen, std::function<void()> action);
// The same button popping the screen off its navigation stack, animated.
BarButtonItem* setNavBackButton(ViewController* screen);
