#include "toolkit/WidgetAlertPresenter.h"

#include "toolkit/AlertView.h"

void WidgetAlertPresenter::showAlert(const QString& title, const QString& message,
                                     const QString& actionText) {
    if (!window_) return;
    new AlertView(title, message, actionText,
                  window_);  // owned by the window; deletes itself on close
}

AlertView* WidgetAlertPresenter::currentAlert() const {
    if (!window_) return nullptr;
    const QList<AlertView*> alerts = window_->findChildren<AlertView*>(Qt::FindDirectChildrenOnly);
    for (auto it = alerts.rbegin(); it != alerts.rend(); ++it)
        if ((*it)->isVisible()) return *it;
    return nullptr;
}
