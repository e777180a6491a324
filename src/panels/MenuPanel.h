#pragma once

#include <QWidget>

class QPushButton;

// A white panel of pink text buttons one under the other, each 52 points high with a thin
// rule under it: the actions of a secret, the report reasons.
class MenuPanel : public QWidget {
    Q_OBJECT
  public:
    MenuPanel(int width, int buttons, int cornerRadius, QWidget* parent);

  protected:
    QPushButton* addButton(const QString& name, const QString& title, int fontSize);
};
