#pragma once

#include <QMargins>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class BarButtonItem;

// What a screen shows in the navigation bar while it is on top: a title (or a title view)
// and the left and right bar items. The widgets belong to the screen.
struct NavigationItem {
    QString title;
    QPointer<QWidget> titleView;
    QPointer<QWidget> leftBarButtonItem;
    QPointer<QWidget> rightBarButtonItem;

    // The title as a bold, white, 20-point label in the title view.
    void setTitleString(const QString& text);
    // A bar button (BarButtonItem::create); with a title, the left one is moved 20 points in
    // from the edge and the right one 20 points out.
    BarButtonItem* setLeftBarButtonItem(const QString& image, const QString& imageSelected,
                                        const QString& text, const QMargins& inset,
                                        std::function<void()> action);
    BarButtonItem* setRightBarButtonItem(const QString& image, const QString& imageSelected,
                                         const QString& text, const QMargins& inset,
                                         std::function<void()> action);
};
