#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>
#include <map>
#include <set>

// App-wide notifications by name. An observer belongs to an owner object and is removed
// when the owner is destroyed.
class NotificationCenter : public QObject {
    Q_OBJECT
  public:
    using ObserverId = quint64;
    using Observer = std::function<void(const QVariant& object)>;

    static NotificationCenter& defaultCenter();

    ObserverId addObserver(const QObject* owner, const QString& name, Observer observer);
    void removeObserver(ObserverId id);
    void removeObserver(const QObject* owner);
    void postNotificationName(const QString& name, const QVariant& object = {});
    int observerCount(const QString& name) const;

  private:
    NotificationCenter() = default;
    struct Entry {
        const QObject* owner;
        QString name;
        Observer observer;
    };
    std::map<ObserverId, Entry> observers_;  // ordered: observers run in the order added
    std::set<const QObject*> watchedOwners_;
    ObserverId nextId_ = 1;
};
