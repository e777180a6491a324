#pragma once

#include <QObject>
#include <QString>

// A desktop has no on-screen keyboard: this posts the phone keyboard's will-show and
// will-hide notifications when a text field gains or loses the focus, with the phone
// keyboard's height, so screens move their bars as on the phone.
class KeyboardEmulator : public QObject {
    Q_OBJECT
  public:
    static inline const QString kWillShow = QStringLiteral("UIKeyboardWillShowNotification");
    static inline const QString kWillHide = QStringLiteral("UIKeyboardWillHideNotification");
    static constexpr int kKeyboardHeight = 216;  // the phone's keyboard on a 320-point screen

    static KeyboardEmulator& shared();
    bool isShowing() const { return showing_; }

  private:
    KeyboardEmulator();
    void onFocusChanged(QWidget* old, QWidget* now);
    bool showing_ = false;
};
