#pragma once

#include "toolkit/ViewController.h"

// Writing a secret. For now the screen with its title and way back; the editor comes with
// the compose screen's own work.
class PublishSecretViewController : public ViewController {
    Q_OBJECT
  public:
    PublishSecretViewController();
    void viewDidLoad() override;
};
