#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// A one-button alert over the whole window: the window below is dimmed and takes no input
// until the button is pressed, but the event loop goes on (nothing blocks).
class AlertView : public QWidget {
    Q_OBJECT
  public:
    AlertView(const QString& title, const QString& message, const QString& actionText,
              QWidget* host);
    // Two buttons side by side: the cancel one on the left (the system's permission alerts).
    AlertView(const QString& title, const QString& message, const QString& cancelText,
              const QString& actionText, QWidget* host);

    QString title() const;
    QString message() const;
    QString actionText() const;
    // What the button does: the alert goes away.
    void dismiss();

    // The cancel button: dismisses with cancelled() instead of accepted().
    void cancel();

  signals:
    void dismissed();
    void accepted();
    void cancelled();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QLabel* titleLabel_;
    QLabel* messageLabel_;
    QPushButton* actionButton_;
    QPushButton* cancelButton_ = nullptr;
    QWidget* box_;
};
