#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

// What a screen shows in the navigation bar while it is on top: a title (or a title view)
// and the left and right bar items. The widgets belong to the screen.
struct NavigationItem {
    QString title;
    QPointer<QWidget> titleView;
    QPointer<QWidget> leftBarButtonItem;
    QPointer<QWidget> rightBarButtonItem;
};
