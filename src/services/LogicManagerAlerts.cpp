#include "services/LogicManager.h"
#include "services/RecordingAlertPresenter.h"

void LogicManager::showAlertWithTitle(const QString& title, const QString& message,
                                      const QString& actionText) {
    presenter_->showAlert(title, message, actionText);
}

void LogicManager::setAlertPresenter(AlertPresenter* presenter) {
    presenter_ = presenter ? presenter : recorder_.get();
}

bool LogicManager::handleSocketResult(uint32_t result, int32_t errorCode) {
    const auto code = static_cast<int32_t>(result);
    if (code == 0) return true;
    QString message;
    if (code == -1 && errorCode == 0)
        message = QStringLiteral("服务不支持");
    else if (code == -1 && errorCode == 1)
        message = QStringLiteral("验证码错误");
    else if (code == -1 && errorCode == 2)
        message = QStringLiteral("密码错误");
    else if (code == -2 && errorCode == 0)
        message = QStringLiteral("请求参数错误");
    else if (code == -3 && errorCode == 0)
        message = QStringLiteral("未授权,请退出重新登陆");
    if (!message.isEmpty()) showAlertWithTitle(QString(), message, QStringLiteral("确定"));
    return false;
}

void LogicManager::showAlertWithMessage(const QString& message) {
    showAlertWithTitle(QString(), message, QStringLiteral("确定"));
}
