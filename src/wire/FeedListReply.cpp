#include "wire/FeedListReply.h"

#include <QRandomGenerator>
#include <QVariantMap>

#include "model/Comment.h"
#include "services/LeadingInteger.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "store/IdCondition.h"
#include "store/UserDataBaseManager.h"
#include "wire/Package.h"
#include "wire/ReplyText.h"

namespace {

enum class Item { Whole, Broken, Truncated };

Item itemState(const Package& reply, bool textsWhole) {
    if (reply.overrun()) return Item::Truncated;
    return textsWhole ? Item::Whole : Item::Broken;
}

// feedId, content JSON, likes, liked-by-me, comments, origin label.
Item readSecret(Package& reply, Feed& feed) {
    feed.feedId = reply.readInt64();
    const std::optional<QString> content = readText(reply);
    feed.likeNum = reply.readInt32();
    feed.isOwnZanFeed = reply.readInt32();
    feed.commentNum = reply.readInt32();
    const std::optional<QString> origin = readText(reply);
    if (content) feed.contentJson = *content;
    if (origin) feed.addressStr = *origin;
    return itemState(reply, content && origin);
}

Item readComment(Package& reply, Comment& comment) {
    comment.feedId = reply.readInt64();
    comment.commentId = reply.readInt64();
    const std::optional<QString> text = readText(reply);
    comment.floorNum = reply.readInt32();
    comment.avatarId = reply.readInt32();
    comment.likeNum = reply.readInt32();
    comment.isOwnZanComment = reply.readInt32();
    comment.createTime = reply.readInt32();
    if (text) comment.comment = *text;
    return itemState(reply, text.has_value());
}

// The cursor of a paged list, stored before its items; false when the reply is cut short.
bool storeCursor(Package& reply, const QString& key, uint32_t* count) {
    const uint64_t cursor = reply.readInt64();
    *count = reply.readInt32();
    if (reply.overrun()) return false;
    LogicManager::sharedInstance().setPersistenceData(QVariant::fromValue<qulonglong>(cursor), key);
    return true;
}

void alertExpiredKey() {
    LogicManager::sharedInstance().showAlertWithMessage(QStringLiteral("授权过期，请重新登录"));
}

}  // namespace

void FeedListReply::decodeContent(Feed& feed) {
    if (feed.contentJson.isEmpty()) return;
    const QVariantMap content =
        LogicManager::sharedInstance().jsonStringTOObject(feed.contentJson).toMap();
    const QVariant text = content.value(QStringLiteral("content"));
    if (text.typeId() == QMetaType::QString) feed.contentStr = text.toString();
    const QVariant img = content.value(QStringLiteral("img"));
    if (img.typeId() != QMetaType::QString) return;
    const QString image = img.toString();
    if (image.contains(QStringLiteral("http"))) {
        feed.imageStr = image;
        return;
    }
    int64_t index = leadingInteger(image.split(':').last());
    // Out of range (a newer server's background, or a broken one) gets one of ours.
    if (index < 0 || index >= kBackgroundCount)
        index = QRandomGenerator::global()->bounded(kBackgroundCount);
    feed.imageStr = QStringLiteral("img_secretCell_background_%1").arg(index);
}

int FeedListReply::storeSecrets(Package& reply, uint32_t count, const QString& table) {
    int stored = 0;
    for (uint32_t i = 0; i < count; ++i) {
        Feed feed;
        const Item state = readSecret(reply, feed);
        if (state == Item::Truncated) break;
        if (state == Item::Broken) continue;
        decodeContent(feed);
        if (feed.synchronize(table)) ++stored;
    }
    return stored;
}

bool FeedListReply::handleTimelinePage(Package& reply) {
    const int32_t result = reply.readResultCode();
    if (result == -3) alertExpiredKey();
    uint32_t count = 0;
    if (result != 0 || !storeCursor(reply, SettingsKeys::FeedLastMessageId, &count)) return false;
    storeSecrets(reply, count, QString());
    return true;
}

bool FeedListReply::handleGuideQuestions(Package& reply) {
    const int32_t result = reply.readResultCode();
    if (result == -3) alertExpiredKey();
    uint32_t count = 0;
    if (result != 0 || !storeCursor(reply, SettingsKeys::QuestionFeedLastMessageId, &count))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        Feed question;
        question.feedId = reply.readInt64();
        const std::optional<QString> content = readText(reply);
        if (reply.overrun()) break;
        if (!content || content->isEmpty()) continue;
        question.contentJson = *content;
        decodeContent(question);
        question.synchronize(QStringLiteral("QUESTIONFEED"));
    }
    return true;
}

int FeedListReply::handleCollectedFeeds(Package& reply) {
    if (reply.readResultCode() != 0) return -1;
    const uint32_t count = reply.readInt32();
    if (reply.overrun()) return -1;
    return storeSecrets(reply, count, QStringLiteral("FEEDCOLLECT"));
}

std::optional<Feed> FeedListReply::handleFeedDetail(Package& reply, Feed& shown) {
    if (reply.readResultCode() != 0) return std::nullopt;
    Feed header;
    header.feedId = shown.feedId;
    header.likeNum = reply.readInt32();
    header.isOwnZanFeed = reply.readInt32();
    header.canComment = reply.readInt32();
    header.commentNum = reply.readInt32();
    if (reply.overrun()) return std::nullopt;

    const std::vector<Feed> cached = UserDataBaseManager::sharedInstance().queryWithClass<Feed>(
        QString(), whereIdEquals(QStringLiteral("feedId"), shown.feedId));
    if (!cached.empty()) {
        shown.likeNum = header.likeNum;
        shown.commentNum = header.commentNum;
        shown.isOwnZanFeed = header.isOwnZanFeed;
        shown.canComment = header.canComment;
        shown.synchronize();
    }
    for (uint32_t i = 0; i < header.commentNum; ++i) {
        Comment comment;
        const Item state = readComment(reply, comment);
        if (state == Item::Truncated) break;
        if (state == Item::Broken) continue;
        comment.synchronize();
    }
    return header;
}
