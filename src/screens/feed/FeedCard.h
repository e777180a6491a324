#pragma once

#include "toolkit/TableViewCell.h"

class QLabel;
class QPushButton;
class RemoteImageView;

// The frame the timeline's three cards share: a 320-point square with a picture, a line of
// text in the middle and pills at its foot.
class FeedCard : public TableViewCell {
    Q_OBJECT
  public:
    FeedCard(const QString& identifier, QWidget* parent);
    QWidget* contentView() const { return contentView_; }

  protected:
    // A pill at the foot; `count` of them share the width, this one at `slot`.
    QPushButton* addFootButton(const QString& name, const QString& title, int slot, int count);

    QWidget* contentView_;
    RemoteImageView* background_;
    QLabel* text_;
};
