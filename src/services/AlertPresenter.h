#pragma once

#include <QString>

// Shows the one-button alerts of the service hub. The UI installs a real one; until then
// (and in tests) a RecordingAlertPresenter keeps what would have been shown.
class AlertPresenter {
  public:
    virtual ~AlertPresenter() = default;
    // Must return at once (the alert is modal to the window, not to the event loop).
    virtual void showAlert(const QString& title, const QString& message,
                           const QString& actionText) = 0;
};
