#pragma once

class QWidget;

// The bounce with which small dialogs appear: 0.2 s growing to 1.1 (optionally fading to
// 0.5 at the same time), 0.1 s shrinking to 0.9 at alpha 0.8, 0.1 s back to 1 at alpha 1.
// Runs on the one clock; the widget is drawn normally again at the end.
void bounceIn(QWidget* view, bool fadeInFirstStep = false);
