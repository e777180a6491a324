#pragma once

#include <QString>
#include <QWidget>

// A cell of a table or a grid. Cells leave the screen into a pool keyed by their reuse
// identifier and come back for other rows or items, so only what is visible exists as widgets.
class ReusableCell : public QWidget {
    Q_OBJECT
  public:
    explicit ReusableCell(QString reuseIdentifier, QWidget* parent = nullptr)
        : QWidget(parent), reuseIdentifier_(std::move(reuseIdentifier)) {}

    const QString& reuseIdentifier() const { return reuseIdentifier_; }
    // Called when the cell is taken from the pool for another row or item.
    virtual void prepareForReuse() {}

  private:
    QString reuseIdentifier_;
};
