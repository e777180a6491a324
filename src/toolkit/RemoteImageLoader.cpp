#include "toolkit/RemoteImageLoader.h"

#include <QBuffer>
#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>

#include "core/ApplicationHome.h"
#include "core/MainQueue.h"

RemoteImageLoader& RemoteImageLoader::shared() {
    static auto* instance = new RemoteImageLoader;  // lives for the whole process
    return *instance;
}

RemoteImageLoader::RemoteImageLoader() {
    memory_.setMaxCost(32 * 1024);
}  // KiB

void RemoteImageLoader::setCacheDirectory(const QString& directory) {
    cacheDirectory_ = directory;
    if (!network_) return;
    if (auto* cache = qobject_cast<QNetworkDiskCache*>(network_->cache()))
        cache->setCacheDirectory(directory);
}

QImage RemoteImageLoader::decode(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(128);  // MiB: a hostile header cannot make us allocate more
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return {};
    if (size.width() > kMaxSide || size.height() > kMaxSide)
        reader.setScaledSize(size.scaled(kMaxSide, kMaxSide, Qt::KeepAspectRatio));
    return reader.read();
}

void RemoteImageLoader::load(const QUrl& url, const QObject* receiver, Completion completion) {
    const bool fetchable = url.isValid() && (url.scheme() == QStringLiteral("http") ||
                                             url.scheme() == QStringLiteral("https"));
    if (!fetchable) {
        completion(QImage());
        return;
    }
    if (const QImage* cached = memory_.object(url)) {
        completion(*cached);
        return;
    }
    std::vector<Waiter>& waiters = waiting_[url];
    waiters.push_back({receiver, std::move(completion)});
    if (waiters.size() > 1) return;  // already on its way

    if (!network_) {
        network_ = new QNetworkAccessManager(this);
        auto* cache = new QNetworkDiskCache(network_);
        cache->setCacheDirectory(
            cacheDirectory_.isEmpty()
                ? ApplicationHome::filePath(QStringLiteral("Library/Caches/images"))
                : cacheDirectory_);
        cache->setMaximumCacheSize(64 << 20);
        network_->setCache(cache);
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferCache);
    QNetworkReply* reply = network_->get(request);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxBytes) reply->abort();
    });
    const MainQueue::TimerId timeout = MainQueue::shared().after(
        kTimeout, [reply] { reply->abort(); }, reply);
    connect(reply, &QNetworkReply::finished, this, [this, reply, url, timeout] {
        MainQueue::shared().cancel(timeout);
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const bool ok = reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
        finish(url, ok ? decode(reply->readAll()) : QImage());
    });
}

void RemoteImageLoader::finish(const QUrl& url, const QImage& image) {
    if (!image.isNull())
        memory_.insert(url, new QImage(image), std::max<qsizetype>(1, image.sizeInBytes() / 1024));
    const std::vector<Waiter> waiters = waiting_.take(url);
    for (const Waiter& waiter : waiters)
        if (waiter.receiver) waiter.completion(image);
}
