#include "toolkit/KeyboardEmulator.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVariantMap>

#include "core/NotificationCenter.h"

namespace {
bool takesText(const QWidget* widget) {
    if (!widget) return false;
    if (const auto* line = qobject_cast<const QLineEdit*>(widget)) return !line->isReadOnly();
    if (const auto* text = qobject_cast<const QTextEdit*>(widget)) return !text->isReadOnly();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
        return !plain->isReadOnly();
    return false;
}
}  // namespace

KeyboardEmulator& KeyboardEmulator::shared() {
    static auto* instance = new KeyboardEmulator;  // lives for the whole process
    return *instance;
}

KeyboardEmulator::KeyboardEmulator() {
    connect(qApp, &QApplication::focusChanged, this, &KeyboardEmulator::onFocusChanged);
}

void KeyboardEmulator::onFocusChanged(QWidget*, QWidget* now) {
    const bool show = takesText(now);
    if (show == showing_) return;
    showing_ = show;
    NotificationCenter::defaultCenter().postNotificationName(
        show ? kWillShow : kWillHide, QVariantMap{{QStringLiteral("height"), kKeyboardHeight}});
}
