#pragma once

#include <QString>
#include <QWidget>

// A row's widget. Cells leave the screen into a pool keyed by their reuse identifier and
// come back for other rows, so only the visible rows ever exist as widgets.
class TableViewCell : public QWidget {
    Q_OBJECT
  public:
    explicit TableViewCell(QString reuseIdentifier, QWidget* parent = nullptr);
    const QString& reuseIdentifier() const { return reuseIdentifier_; }
    // Called when the cell is taken from the pool for another row.
    virtual void prepareForReuse() {}

  private:
    QString reuseIdentifier_;
};
