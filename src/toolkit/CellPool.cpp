#include "toolkit/CellPool.h"

#include "toolkit/ReusableCell.h"

ReusableCell* CellPool::dequeue(const QString& identifier) {
    auto it = pool_.find(identifier);
    if (it == pool_.end() || it->empty()) return nullptr;
    ReusableCell* cell = it->back();
    it->pop_back();
    cell->prepareForReuse();
    return cell;
}

void CellPool::recycle(ReusableCell* cell) {
    cell->hide();
    pool_[cell->reuseIdentifier()].push_back(cell);
}
