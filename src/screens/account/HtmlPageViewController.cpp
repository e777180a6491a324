#include "screens/account/HtmlPageViewController.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "toolkit/BackButton.h"
#include "toolkit/NavigationController.h"

HtmlPageViewController::HtmlPageViewController(const QString& title, const QString& resourceName,
                                               const QString& browserName)
    : title_(title), resourceName_(resourceName), browserName_(browserName) {}

QString HtmlPageViewController::loadPage(const QString& resourceName) {
    QFile file(kResourceFolder + resourceName + QStringLiteral(".html"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    return utf8.hasError() ? QString() : text;
}

void HtmlPageViewController::viewDidLoad() {
    navigationItem().setTitleString(title_);
    setNavBackButton(this);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(browserName_);
    // Links stay inside the page; nothing is fetched from the network and nothing runs.
    browser_->setOpenExternalLinks(false);
    browser_->setOpenLinks(false);
    browser_->setFrameShape(QFrame::NoFrame);
    browser_->document()->setBaseUrl(QUrl(QStringLiteral("qrc") + kResourceFolder));
    browser_->setSearchPaths({kResourceFolder});
    browser_->setHtml(loadPage(resourceName_));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}
