#pragma once

#include <QWidget>

class CustomButton;

// Explains why the app reads the address book; the timeline's phone-book card shows it over a
// blurred screenshot. Its OK button sends it down and fades the overlay away.
class AllowToVisitPhoneBookView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTitleTag = 10;
    static constexpr int kCloseMillis = 500;
    static constexpr int kClosedY = 570;

    explicit AllowToVisitPhoneBookView(QWidget* parent = nullptr);

    // Labels tagged 10 become bold 18-point accent titles, the others regular 12-point notes.
    void awakeFromNib();
    void okBtnAction();

  private:
    CustomButton* okBtn_;
};
