#pragma once

#include "toolkit/ViewController.h"

class TableView;

// The timeline: the home screen of a signed-in user. One instance for the whole process; the
// window shows it inside a navigation stack.
class MainViewController : public ViewController {
    Q_OBJECT
  public:
    static MainViewController& sharedInstance();
    // The window's root becomes a navigation stack around the shared instance.
    static void showAsRoot();

    void viewDidLoad() override;
    TableView* tableView() const { return tableView_; }

  private:
    MainViewController();
    TableView* tableView_ = nullptr;
};
