#pragma once

#include <QHash>
#include <QSet>
#include <vector>

class ReusableCell;

// The cells a table or a grid keeps off screen, by reuse identifier.
class CellPool {
  public:
    // A pooled cell of that identifier (prepared for reuse), or none.
    ReusableCell* dequeue(const QString& identifier);
    // The cell left the screen: hidden and kept.
    void recycle(ReusableCell* cell);
    // Counts the cells the view has been given.
    void noteShown(ReusableCell* cell) { known_.insert(cell); }
    int cellsCreated() const { return static_cast<int>(known_.size()); }

  private:
    QHash<QString, std::vector<ReusableCell*>> pool_;
    QSet<ReusableCell*> known_;
};
