// The tour through the timeline: secrets and cards, a like, the share and actions panels, the
// report reasons, the one-time tips, a pull to refresh and the phone-book card.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "app/AppDelegate.h"
#include "app/Tour.h"
#include "panels/MainAgainstView.h"
#include "panels/ReportReasonView.h"
#include "panels/ShareBlurView.h"
#include "panels/Tips.h"
#include "screens/feed/FeedSectionMap.h"
#include "screens/feed/MainViewCell.h"
#include "screens/feed/MainViewController.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "toolkit/AlertView.h"
#include "toolkit/PhoneWindow.h"
#include "toolkit/RefreshControl.h"
#include "toolkit/TableView.h"

namespace {

MainViewController& timeline() {
    return MainViewController::sharedInstance();
}

int secretCount() {
    return static_cast<int>(timeline().feedDataArray().size());
}

// Scrolls the section to the top and gives its row.
TableViewCell* rowAt(int section) {
    TableView* table = timeline().feedTableView();
    if (section < 0 || section >= table->numberOfSections()) return nullptr;
    table->scrollToRowAtIndexPath({section, 0});
    return table->cellForRowAtIndexPath({section, 0});
}

MainViewCell* secretRowAt(int section) {
    return qobject_cast<MainViewCell*>(rowAt(section));
}

// The section of the first row of a kind.
int sectionOf(FeedSectionMap::Kind kind) {
    const FeedSectionMap map(secretCount(), MainViewController::phoneBookPending());
    for (int section = 0; section < map.sectionCount(); ++section)
        if (map.rowAt(section).kind == kind) return section;
    return -1;
}

ShareBlurView* overlayWith(QWidget* root, const std::function<bool(ShareBlurView*)>& has) {
    if (!root) return nullptr;
    for (ShareBlurView* overlay : root->findChildren<ShareBlurView*>())
        if (overlay->isVisible() && has(overlay)) return overlay;
    return nullptr;
}

ShareBlurView* tipOverlay(MainViewCell* cell, int tag) {
    return cell ? overlayWith(cell->contentView(),
                              [tag](ShareBlurView* o) { return o->property("tag").toInt() == tag; })
                : nullptr;
}

void closeOverlays(QWidget* root) {
    for (ShareBlurView* overlay : root->findChildren<ShareBlurView*>())
        overlay->removeFromSuperview();
}

void pressOk(MainViewCell* cell, int tag) {
    if (ShareBlurView* overlay = tipOverlay(cell, tag))
        overlay->tip()->findChild<QPushButton*>(QStringLiteral("okBtn"))->click();
}

}  // namespace

void Tour::pullTimeline() {
    QWidget* viewport = timeline().feedTableView()->viewport();
    timeline().feedTableView()->setContentOffset(0);
    auto send = [viewport](QEvent::Type type, int y) {
        const QPointF at(160, y);
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    };
    send(QEvent::MouseButtonPress, 80);
    for (int y = 100; y <= 320; y += 20)
        send(QEvent::MouseMove, y);
    send(QEvent::MouseButtonRelease, 320);
}

void Tour::addTimelineSteps() {
    QWidget* window = delegate_.window();
    step(
        QStringLiteral("timeline-secrets"), [] { rowAt(0); },
        [] { return secretCount() >= 1 && secretRowAt(0) != nullptr; });
    step(
        QStringLiteral("timeline-question-card"),
        [] { rowAt(sectionOf(FeedSectionMap::Kind::Question)); },
        [] { return rowAt(sectionOf(FeedSectionMap::Kind::Question)) != nullptr; });
    step(
        QStringLiteral("timeline-friend-number-card"),
        [] { rowAt(sectionOf(FeedSectionMap::Kind::FriendNum)); },
        [] { return rowAt(sectionOf(FeedSectionMap::Kind::FriendNum)) != nullptr; });
    step(
        QStringLiteral("timeline-like"),
        [] {
            if (MainViewCell* cell = secretRowAt(0))
                cell->findChild<QPushButton*>(QStringLiteral("likeBtn"))->click();
        },
        [] {
            const auto& list = timeline().feedDataArray();
            return !list.empty() && list[0]->isOwnZanFeed == 1;
        });
    step(
        QStringLiteral("share-panel"),
        [] {
            if (MainViewCell* cell = secretRowAt(0))
                cell->findChild<QPushButton*>(QStringLiteral("cellShareBtn"))->click();
        },
        [] {
            return overlayWith(secretRowAt(0) ? secretRowAt(0)->contentView() : nullptr,
                               [](ShareBlurView* o) { return o->cellShare() != nullptr; });
        });
    step(
        QStringLiteral("actions-panel"),
        [] {
            MainViewCell* cell = secretRowAt(0);
            if (!cell) return;
            closeOverlays(cell->contentView());
            cell->findChild<QPushButton*>(QStringLiteral("otherBtn"))->click();
        },
        [] {
            return overlayWith(secretRowAt(0) ? secretRowAt(0)->contentView() : nullptr,
                               [](ShareBlurView* o) { return o->mainAgainst() != nullptr; });
        });
    step(
        QStringLiteral("report-reasons"),
        [] {
            if (ShareBlurView* actions =
                    overlayWith(secretRowAt(0)->contentView(),
                                [](ShareBlurView* o) { return o->mainAgainst() != nullptr; }))
                actions->mainAgainst()
                    ->findChild<QPushButton*>(QStringLiteral("againstBtn"))
                    ->click();
        },
        [window] {
            return overlayWith(window, [](ShareBlurView* o) { return o->reason() != nullptr; });
        });
    step(
        QStringLiteral("reported"),
        [window] {
            if (ShareBlurView* reasons =
                    overlayWith(window, [](ShareBlurView* o) { return o->reason() != nullptr; }))
                reasons->reason()->findChild<QPushButton*>(QStringLiteral("reasonBtn0"))->click();
        },
        [this] { return alertShows(QStringLiteral("举报成功")); });
    // The tips stand over sections 5, 6, 9 and 10 of a list of four or more secrets.
    struct TipStep {
        const char* name;
        int section;
        int tag;
    };
    for (const TipStep& tip :
         {TipStep{"tip-share", 5, 20}, TipStep{"tip-like", 6, 30},
          TipStep{"tip-outside-circle", 9, 40}, TipStep{"tip-circle", 10, 50}}) {
        step(
            QString::fromLatin1(tip.name),
            [this, window, tip] {
                dismissAlerts();
                closeOverlays(secretRowAt(0) ? secretRowAt(0)->contentView() : window);
                for (ShareBlurView* reasons : window->findChildren<ShareBlurView*>())
                    if (reasons->reason()) reasons->removeFromSuperview();
                timeline().feedTableView()->reloadData();
                rowAt(tip.section);
            },
            [tip] {
                MainViewCell* cell = secretRowAt(tip.section);
                if (!cell || secretCount() < 4) return true;  // no tip due: nothing to see
                const QString address = cell->feed()->addressStr;
                const bool due =
                    tip.tag == 40 ? !address.isEmpty() && !address.contains(QStringLiteral("朋友"))
                    : tip.tag == 50
                        ? address.isEmpty() || address.contains(QStringLiteral("朋友圈"))
                        : true;
                return (tipOverlay(cell, tip.tag) != nullptr) == due;
            });
        step(
            QString::fromLatin1(tip.name) + QStringLiteral("-confirmed"),
            [tip] { pressOk(secretRowAt(tip.section), tip.tag); },
            [tip] { return tipOverlay(secretRowAt(tip.section), tip.tag) == nullptr; });
    }
    // The development server answers at once: the step looks for the refresh, not the spinner.
    auto refreshed = std::make_shared<bool>(false);
    step(
        QStringLiteral("pull-to-refresh"),
        [this, refreshed] {
            QObject::connect(timeline().feedTableView()->refreshControl(), &RefreshControl::refresh,
                             this, [refreshed] { *refreshed = true; });
            pullTimeline();
        },
        [refreshed] { return *refreshed; });
}

void Tour::addPhoneBookSteps() {
    step(
        QStringLiteral("phone-book-card"),
        [] {
            timeline().updatePhoneBook();  // no address book: it stays to be asked for
            timeline().feedTableView()->reloadData();
            rowAt(sectionOf(FeedSectionMap::Kind::PhoneBook));
        },
        [] {
            return MainViewController::phoneBookPending() &&
                   rowAt(sectionOf(FeedSectionMap::Kind::PhoneBook)) != nullptr;
        });
    step(
        QStringLiteral("phone-book-request"),
        [] {
            if (TableViewCell* card = rowAt(sectionOf(FeedSectionMap::Kind::PhoneBook)))
                card->findChild<QPushButton*>(QStringLiteral("handleBtn"))->click();
        },
        [this] {
            return overlayWith(delegate_.window(),
                               [](ShareBlurView* o) { return o->allowPhoneBook() != nullptr; });
        });
    step(
        QStringLiteral("phone-book-request-closed"),
        [this] {
            if (ShareBlurView* overlay = overlayWith(delegate_.window(), [](ShareBlurView* o) {
                    return o->allowPhoneBook() != nullptr;
                }))
                overlay->tapAction();
        },
        [this] {
            return !overlayWith(delegate_.window(),
                                [](ShareBlurView* o) { return o->allowPhoneBook() != nullptr; });
        });
}
