#pragma once

#include <functional>

// The application's badge number; a desktop shows it in the window's title.
class Badge {
  public:
    static void setApplicationIconBadgeNumber(int number);
    static int applicationIconBadgeNumber();
    // Who shows the number (the window installs itself).
    static void setDisplay(std::function<void(int number)> display);
};
