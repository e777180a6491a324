#pragma once

#include <vector>

#include "services/AlertPresenter.h"

// Keeps every alert it is asked to show, and logs it.
class RecordingAlertPresenter : public AlertPresenter {
  public:
    struct Alert {
        QString title;
        QString message;
        QString actionText;
    };

    void showAlert(const QString& title, const QString& message,
                   const QString& actionText) override;
    const std::vector<Alert>& alerts() const { return alerts_; }
    QStringList messages() const;
    void clear() { alerts_.clear(); }

  private:
    std::vector<Alert> alerts_;
};
