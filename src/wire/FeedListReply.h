#pragma once

#include <optional>

#include "model/Feed.h"

class Package;

// The list replies, decoded and stored the same way for every screen that asks: the
// timeline page, the guide questions, the collected secrets and a secret's detail.
// Items are read and saved one by one; a cut-off item and everything after it are dropped,
// the whole items before it are kept.
class FeedListReply {
  public:
    // "content" and "img" of the content JSON into contentStr and imageStr.
    static void decodeContent(Feed& feed);

    // 2/3: the new cursor under "FeedLastMessageId", then the secrets into "FEED".
    // Result -3 shows "授权过期，请重新登录". True when the page was stored.
    static bool handleTimelinePage(Package& reply);
    // 2/15: the cursor under "QuestionFeedLastMessageId", questions with content into
    // "QUESTIONFEED". Result -3 shows "授权过期，请重新登录".
    static bool handleGuideQuestions(Package& reply);
    // 2/14: the secrets into "FEEDCOLLECT"; how many were stored, or -1 on failure.
    static int handleCollectedFeeds(Package& reply);
    // 2/6: the counts and flags of the secret (likeNum, isOwnZanFeed, canComment,
    // commentNum), copied into `shown` and saved when the secret has a row in "FEED"; then
    // the comments into "COMMENT". Nothing on failure.
    static std::optional<Feed> handleFeedDetail(Package& reply, Feed& shown);

    static constexpr int kBackgroundCount = 12;

  private:
    // Reads up to `count` secret items and saves the whole ones; how many were saved.
    static int storeSecrets(Package& reply, uint32_t count, const QString& table);
};
