#pragma once

class QWidget;

// Cold-start figures: the time from process start to the window's first painted frame, and
// the memory the process holds then. Printed on one line; the app quits after it.
namespace StartupProbe {
void markProcessStart();
void reportFirstPaint(QWidget* window);
}  // namespace StartupProbe
