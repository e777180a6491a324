#pragma once

#include <QPointer>
#include <QWidget>

#include "services/AlertPresenter.h"

class AlertView;

// Shows the service hub's alerts as AlertViews over the app's window.
class WidgetAlertPresenter : public AlertPresenter {
  public:
    explicit WidgetAlertPresenter(QWidget* window) : window_(window) {}
    void showAlert(const QString& title, const QString& message,
                   const QString& actionText) override;
    // The alert on top, or none.
    AlertView* currentAlert() const;

  private:
    QPointer<QWidget> window_;
};
