#pragma once

#include "screens/account/HtmlPageViewController.h"

// The frequently asked questions.
class FrequentQuestionViewController : public HtmlPageViewController {
    Q_OBJECT
  public:
    FrequentQuestionViewController()
        : HtmlPageViewController(QStringLiteral("常见问题"), QStringLiteral("frequentQuention"),
                                 QStringLiteral("frequentWeb")) {
        setObjectName(QStringLiteral("FrequentQuestionViewController"));
    }
};
