#pragma once

class QWidget;

// Cold-start figures: when the window's first frame was painted (wall clock, so a script
// can measure from exec), the time since main began, and the memory the process holds then.
// Printed on one line; the app quits after it.
namespace StartupProbe {
void markProcessStart();
void reportFirstPaint(QWidget* window);
}  // namespace StartupProbe
