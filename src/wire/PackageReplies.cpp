#include "model/UserInfo.h"
#include "services/LogicManager.h"
#include "wire/Package.h"
#include "wire/ReplyText.h"

namespace {

bool succeeded(Package& reply, int32_t errorCode) {
    return LogicManager::sharedInstance().handleSocketResult(
        static_cast<uint32_t>(reply.readResultCode()), errorCode);
}

}  // namespace

bool Package::storeSignedInUser(Package& reply) {
    const uint64_t userId = reply.readInt64();
    const std::optional<QString> userKey = readText(reply);
    if (reply.overrun() || !userKey) return false;
    UserInfo& myself = UserInfo::myselfInstance();
    myself.userId = userId;
    myself.userKey = *userKey;
    myself.synchronize();
    return true;
}

bool Package::handleRegist(Package& reply, bool write, int32_t errorCode) {
    if (!succeeded(reply, errorCode)) return false;
    return !write || storeSignedInUser(reply);
}

bool Package::handleLogin(Package& reply, int32_t errorCode) {
    return succeeded(reply, errorCode) && storeSignedInUser(reply);
}

bool Package::handleSupportOrComment(Package& reply, int32_t errorCode) {
    if (!succeeded(reply, errorCode)) return false;
    reply.readInt64();
    reply.readInt64();
    return !reply.overrun();
}

bool Package::handleCollectFeed(Package& reply, int32_t errorCode) {
    return succeeded(reply, errorCode);
}

bool Package::handleReportFeed(Package& reply, int32_t errorCode) {
    return succeeded(reply, errorCode);
}

bool Package::handleDeleteFeedInMainView(Package& reply, int32_t errorCode) {
    return succeeded(reply, errorCode);
}

uint32_t Package::handleFetchNumberOfFriends(Package& reply, int32_t errorCode) {
    if (!succeeded(reply, errorCode)) return UINT32_MAX;
    const uint32_t count = reply.readInt32();
    return reply.overrun() ? UINT32_MAX : count;
}
