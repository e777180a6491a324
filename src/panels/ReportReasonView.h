#pragma once

#include "panels/MenuPanel.h"

class QPushButton;

// The reasons a secret can be reported for; choosing one tells every open actions panel and
// closes the reasons a second later.
class ReportReasonView : public MenuPanel {
    Q_OBJECT
  public:
    static QStringList reasons();
    explicit ReportReasonView(QWidget* parent = nullptr);
    void reportBtnActions(QPushButton* button);
};
