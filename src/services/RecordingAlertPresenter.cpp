#include "services/RecordingAlertPresenter.h"

#include <QStringList>
#include <QtDebug>

void RecordingAlertPresenter::showAlert(const QString& title, const QString& message,
                                        const QString& actionText) {
    qInfo("alert: %s [%s]", qPrintable(message), qPrintable(actionText));
    alerts_.push_back({title, message, actionText});
}

QStringList RecordingAlertPresenter::messages() const {
    QStringList list;
    for (const Alert& alert : alerts_)
        list << alert.message;
    return list;
}
