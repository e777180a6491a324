#include "core/NotificationCenter.h"

#include <vector>

NotificationCenter& NotificationCenter::defaultCenter() {
    static auto* instance = new NotificationCenter;  // lives for the whole process
    return *instance;
}

NotificationCenter::ObserverId NotificationCenter::addObserver(const QObject* owner,
                                                               const QString& name,
                                                               Observer observer) {
    const ObserverId id = nextId_++;
    observers_.emplace(id, Entry{owner, name, std::move(observer)});
    if (owner && watchedOwners_.insert(owner).second) {
        connect(owner, &QObject::destroyed, this, [this, owner] {
            watchedOwners_.erase(owner);
            removeObserver(owner);
        });
    }
    return id;
}

void NotificationCenter::removeObserver(ObserverId id) {
    observers_.erase(id);
}

void NotificationCenter::removeObserver(const QObject* owner) {
    std::erase_if(observers_, [owner](const auto& item) { return item.second.owner == owner; });
}

void NotificationCenter::postNotificationName(const QString& name, const QVariant& object) {
    std::vector<ObserverId> ids;
    for (const auto& [id, entry] : observers_)
        if (entry.name == name) ids.push_back(id);
    for (const ObserverId id : ids) {
        // An observer may remove others (or itself) while the notification is delivered.
        const auto it = observers_.find(id);
        if (it == observers_.end()) continue;
        const Observer observer = it->second.observer;
        observer(object);
    }
}

int NotificationCenter::observerCount(const QString& name) const {
    int count = 0;
    for (const auto& [id, entry] : observers_)
        count += entry.name == name ? 1 : 0;
    return count;
}
