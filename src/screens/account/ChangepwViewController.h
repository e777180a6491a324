#pragma once

#include <optional>

#include "toolkit/ViewController.h"

class FieldPointer;
class Package;
class PillButton;
class ProgressHud;
class TextField;

// Changing the password: the current one and the new one twice.
class ChangepwViewController : public ViewController {
    Q_OBJECT
  public:
    ChangepwViewController();

    void viewDidLoad() override;
    void changePWBack();
    void changePW();
    // The field's text when it holds a possible password; otherwise its alert, and nothing.
    std::optional<QString> checkForPasswordAvailability(const TextField* field);
    bool checkForPasswordLogic(const std::optional<QString>& again,
                               const std::optional<QString>& newPW);

  private:
    void handleReply(int flag, Package& reply);

    TextField* currentPWtextFiled_ = nullptr;
    TextField* newPWTextField_ = nullptr;
    TextField* againPWTextFiled_ = nullptr;
    FieldPointer* changPWArrowImg_ = nullptr;
    PillButton* changeBtn_ = nullptr;
    ProgressHud* hud_ = nullptr;
};
