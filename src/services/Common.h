#pragma once

#include <QString>

// Formatting helpers shared by every screen.
class Common {
  public:
    // How long ago a time stamp (seconds since 1970) was: "刚刚", "5秒前", "3分钟前",
    // "2小时前", "1天前", or the date as "MM-dd" from two days on.
    static QString timeIntervalStringFromTime(double time);
};
