#pragma once

#include <QPushButton>

// The app's text button: a rounded pill, filled with the accent or outlined in it (for the
// second choice), dimmed when disabled.
class PillButton : public QPushButton {
    Q_OBJECT
  public:
    enum class Style { Filled, Outlined };
    PillButton(const QString& title, Style style, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Style style_;
};
