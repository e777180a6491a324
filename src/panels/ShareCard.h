#pragma once

#include <QWidget>

class PillButton;
class QLabel;
class ShareButtonRow;

// The white card of the sharing panels: a title in the accent, the four ways of sharing and a
// close button under them.
class ShareCard : public QWidget {
    Q_OBJECT
  public:
    struct Look {
        QString title;
        QString titleName;  // the title label's field name
        int titleSize;
        QStringList buttonNames;
        QString closeTitle;
        QString closeName;
    };
    ShareCard(const Look& look, QWidget* parent);

  protected:
    QLabel* titleLabel() const { return title_; }
    ShareButtonRow* row() const { return row_; }
    PillButton* closeButton() const { return close_; }

  private:
    QLabel* title_;
    ShareButtonRow* row_;
    PillButton* close_;
};
