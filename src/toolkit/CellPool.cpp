#include "toolkit/CellPool.h"

#include "toolkit/ReusableCell.h"

ReusableCell* CellPool::dequeue(const QString& identifier) {
    auto it = pool_.find(identifier);
    if (it == pool_.end() || it->empty()) return nullptr;
    ReusableCell* cell = it->back();
    it->pop_back();
    cell->prepareForReuse();
    // Visible again before the data source draws into it: what it draws (and any snapshot
    // taken of it meanwhile) must render; the view moves it into place in the same call.
    cell->show();
    return cell;
}

void CellPool::recycle(ReusableCell* cell) {
    cell->hide();
    pool_[cell->reuseIdentifier()].push_back(cell);
}
