#include "services/LogicManager.h"

#include <QFontMetricsF>
#include <QSettings>

#include "platform/AddressBook.h"
#include "services/RecordingAlertPresenter.h"

LogicManager& LogicManager::sharedInstance() {
    static auto* instance = new LogicManager;  // lives for the whole process
    return *instance;
}

LogicManager::LogicManager() : recorder_(std::make_unique<RecordingAlertPresenter>()) {
    presenter_ = recorder_.get();
}

LogicManager::~LogicManager() = default;

void LogicManager::setRootViewContrllerWithNavigationBar(ViewController* controller) {
    if (controller && rootSwitcher_) rootSwitcher_(controller, true);
}

void LogicManager::setRootViewContrller(ViewController* controller) {
    if (controller && rootSwitcher_) rootSwitcher_(controller, false);
}

QSizeF LogicManager::calculateCGSizeWith(const QString& text, double height, double width,
                                         const QFont& font) {
    if (text.isNull()) return {0, 0};
    const QRectF box(0, 0, width, height);
    return QFontMetricsF(font)
        .boundingRect(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text)
        .size();
}
