#include "core/MainQueue.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"

namespace {
constexpr qint64 kSevenDays = 604800;
}

PageCursor LogicManager::pageCursor(const QString& firstTimeKey, const QString& cursorKey) {
    PageCursor cursor;
    if (getPersistenceIntegerWithKey(firstTimeKey) != 0) {
        cursor.messageId = static_cast<uint64_t>(getPersistenceIntegerWithKey(cursorKey));
        return cursor;
    }
    const qint64 since = MainQueue::shared().currentTimeSeconds() - kSevenDays;
    cursor.fetchTime = static_cast<uint32_t>(since);
    setPersistenceData(2, firstTimeKey);
    return cursor;
}

PageCursor LogicManager::timelinePageCursor() {
    return pageCursor(SettingsKeys::feedsFirstTime, SettingsKeys::FeedLastMessageId);
}

PageCursor LogicManager::guideQuestionPageCursor() {
    return pageCursor(SettingsKeys::questionFirstTime, SettingsKeys::QuestionFeedLastMessageId);
}
