#pragma once

#include "screens/account/HtmlPageViewController.h"

// The user agreement.
class AgreementViewController : public HtmlPageViewController {
    Q_OBJECT
  public:
    AgreementViewController()
        : HtmlPageViewController(QStringLiteral("星笺用户协议"), QStringLiteral("Agreement"),
                                 QStringLiteral("agreementWeb")) {
        setObjectName(QStringLiteral("AgreementViewController"));
    }
};
