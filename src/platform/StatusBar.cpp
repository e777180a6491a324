#include "platform/StatusBar.h"

namespace {
bool hidden = false;
StatusBar::Style current = StatusBar::Style::Default;
}  // namespace

void StatusBar::setHidden(bool value) { hidden = value; }
bool StatusBar::isHidden() { return hidden; }
void StatusBar::setStyle(Style style) { current = style; }
StatusBar::Style StatusBar::style() { return current; }
