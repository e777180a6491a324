#pragma once

#include "toolkit/ViewController.h"

class PageControl;
class PagingScrollView;
class PillButton;

// The four introduction pages a signed-out user starts on, with the buttons to join and to
// sign in. One instance for the whole process.
class SplashViewController : public ViewController {
    Q_OBJECT
  public:
    static constexpr int kPageCount = 4;
    static SplashViewController& sharedInstance();
    // The picture of page 0…3: the 3.5-inch screen (480 points or less) has its own.
    static QString pageImageName(int index, int screenHeight);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    void scrollViewDidEndDecelerating();
    void registerBtn();
    void loginBtn();

    PagingScrollView* splashScollView() const { return splashScollView_; }
    PageControl* splashPageCtl() const { return splashPageCtl_; }

  private:
    SplashViewController();

    PagingScrollView* splashScollView_ = nullptr;
    PageControl* splashPageCtl_ = nullptr;
    PillButton* registerButton_ = nullptr;
    PillButton* OldUserBtnAction_ = nullptr;
};
