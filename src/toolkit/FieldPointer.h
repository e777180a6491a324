#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// The pink pointer beside the field being edited: it swings left and right at its place
// (AnimationLeftAndRight) and follows the focus, moving in 0.5 s to the field's top + 13.
// The pointer's own y is this widget's y; the swing happens inside it.
class FieldPointer : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kMoveMillis = 500;

    // The pointer swings from x (in the parent's coordinates).
    FieldPointer(const QString& objectName, int x, QWidget* parent);
    // Starts following the focus of the field.
    void follow(QLineEdit* field);
    // textFieldDidBeginEditing: moves beside the field.
    void moveBeside(const QWidget* field);
    QLabel* arrow() const { return arrow_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* arrow_;
};
