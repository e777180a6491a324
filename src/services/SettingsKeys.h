#pragma once

#include <QLatin1String>

// Every key the client keeps in the settings store. One-time flags hold 2 when done.
namespace SettingsKeys {
inline constexpr QLatin1String USERID("USERID");                    // signed-in user id (uint64)
inline constexpr QLatin1String apnsToken("apnsToken");              // push token, hex text
inline constexpr QLatin1String updateAPNsToken("updateAPNsToken");  // flag: token sent
inline constexpr QLatin1String FeedLastMessageId("FeedLastMessageId");  // timeline cursor
inline constexpr QLatin1String feedsFirstTime("feedsFirstTime");        // flag
inline constexpr QLatin1String QuestionFeedLastMessageId("QuestionFeedLastMessageId");
inline constexpr QLatin1String questionFirstTime("questionFirstTime");  // flag
inline constexpr QLatin1String PhoneBook("PhoneBook");  // 2: upload pending, 4: uploaded
inline constexpr QLatin1String friendNum("friendNum");
inline constexpr QLatin1String cellShare("cellShare");      // flag: share tip dismissed
inline constexpr QLatin1String zanFlag("zanFlag");          // flag: like tip dismissed
inline constexpr QLatin1String addressType("addressType");  // flag: outside-circle tip
inline constexpr QLatin1String friendType("friendType");    // flag: circle tip
inline constexpr QLatin1String publishChangeBG("publishChangeBG");
inline constexpr QLatin1String feedCollect("feedCollect");
inline constexpr QLatin1String feedCollected("feedCollected");
inline constexpr QLatin1String weibotoken("weibotoken");
inline constexpr QLatin1String kWeiboUid("kWeiboUid");
inline constexpr QLatin1String expirationDate("expirationDate");  // date
}  // namespace SettingsKeys
