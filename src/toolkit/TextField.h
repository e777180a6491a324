#pragma once

#include <QLineEdit>

// The app's single-line text field: white, rounded, with a light-pink border that turns to the
// accent while it is edited. A secure field hides what is typed; a numeric one asks for the
// digit keypad.
class TextField : public QLineEdit {
    Q_OBJECT
  public:
    enum Option { Plain = 0, Secure = 1, Numeric = 2 };
    TextField(const QString& objectName, const QString& placeholder, int options, QWidget* parent);
};
