#pragma once

// The phone's status bar. A desktop window has none: the screens' requests are kept (and can
// be read back) so that they behave as on the phone without drawing anything.
class StatusBar {
  public:
    enum class Style { Default, LightContent };
    static void setHidden(bool hidden);
    static bool isHidden();
    static void setStyle(Style style);
    static Style style();
};
