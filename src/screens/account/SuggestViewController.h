#pragma once

#include "toolkit/ViewController.h"

class Package;
class PillButton;
class ProgressHud;
class TextField;

// Feedback to the team: one text, sent with the send button or the return key.
class SuggestViewController : public ViewController {
    Q_OBJECT
  public:
    SuggestViewController();

    void viewDidLoad() override;
    void sendSuggest();
    void suggestBack();

    QString rightSuggest;

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void handleReply(int flag, Package& reply);

    TextField* suggestField_ = nullptr;
    PillButton* sendBtn_ = nullptr;
    ProgressHud* hud_ = nullptr;
};
