#pragma once

#include <memory>

#include "toolkit/ViewController.h"

class Feed;
class MainViewCell;

// One secret on a screen of its own. For now it shows the secret's card; its comments come
// with the detail screen's own work.
class DetailSecretViewController : public ViewController {
    Q_OBJECT
  public:
    DetailSecretViewController();

    // The same object as the timeline's, so counts changed here show there.
    void setSignalFeed(std::shared_ptr<Feed> feed);
    const std::shared_ptr<Feed>& signalFeed() const { return signalFeed_; }
    void viewDidLoad() override;

  private:
    std::shared_ptr<Feed> signalFeed_;
    MainViewCell* card_ = nullptr;
};
