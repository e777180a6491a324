#pragma once

#include <QFont>

// The app's two fonts: bold "FZLTZHK--GBK1-0" and regular "HiraKakuProN-W3", or the system's
// bold or regular font of the same size where they are missing.
QFont getFontWith(bool bold, int size);
