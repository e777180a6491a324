#pragma once

#include "toolkit/ViewController.h"

class QTextBrowser;

// A static help page: an HTML file of the app's resources in a browser without scripts, its
// pictures and style sheets resolved next to it.
class HtmlPageViewController : public ViewController {
    Q_OBJECT
  public:
    // The resource folder the pages live in.
    static inline const QString kResourceFolder = QStringLiteral(":/pages/");

    HtmlPageViewController(const QString& title, const QString& resourceName,
                           const QString& browserName);

    void viewDidLoad() override;
    QTextBrowser* browser() const { return browser_; }
    // The page's text, or an empty one when the resource is missing or not UTF-8.
    static QString loadPage(const QString& resourceName);

  private:
    QString title_;
    QString resourceName_;
    QString browserName_;
    QTextBrowser* browser_ = nullptr;
};
