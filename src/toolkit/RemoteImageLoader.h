#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <functional>
#include <vector>

class QNetworkAccessManager;

// Fetches images by address for the remote image views: a disk cache below the application
// home, a small memory cache, one request per address however many views ask, a time-out on
// the clock, and decoding bounded in size (a picture too large to decode fails cleanly).
class RemoteImageLoader : public QObject {
    Q_OBJECT
  public:
    using Completion = std::function<void(const QImage& image)>;  // null image on failure
    static constexpr double kTimeout = 30;
    static constexpr qint64 kMaxBytes = 16 << 20;
    static constexpr int kMaxSide = 1280;  // decoded pictures are scaled down to this

    static RemoteImageLoader& shared();
    // The completion runs on the main thread, only while the receiver lives.
    void load(const QUrl& url, const QObject* receiver, Completion completion);
    // Where the disk cache lives (created on first load; the application home by default).
    void setCacheDirectory(const QString& directory);

    static QImage decode(const QByteArray& bytes);

  private:
    RemoteImageLoader();
    void finish(const QUrl& url, const QImage& image);

    struct Waiter {
        QPointer<const QObject> receiver;
        Completion completion;
    };
    QNetworkAccessManager* network_ = nullptr;
    QString cacheDirectory_;
    QHash<QUrl, std::vector<Waiter>> waiting_;
    QCache<QUrl, QImage> memory_;
};
