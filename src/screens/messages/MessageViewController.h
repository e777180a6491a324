#pragma once

#include "toolkit/ViewController.h"

// The user's collected secrets. For now the screen with its title and way back; its grid of
// tiles and settings menu come with the messages screen's own work.
class MessageViewController : public ViewController {
    Q_OBJECT
  public:
    MessageViewController();
    void viewDidLoad() override;
};
