#include <QString>

#include "services/LogicManager.h"
#include "wire/Package.h"

namespace {

std::string hashed(std::string_view password) {
    const QString text =
        QString::fromUtf8(password.data(), static_cast<qsizetype>(password.size()));
    return LogicManager::encodePasswordWithsha1(text).toStdString();
}

}  // namespace

void Package::appendUser(uint64_t userId, std::string_view userKey) {
    appendInt64(userId);
    appendString(userKey);
}

void Package::registWithAccountType(int32_t accountType, std::string_view accountName, int32_t setp,
                                    std::string_view identifyCode, std::string_view password) {
    appendInt32(static_cast<uint32_t>(accountType));
    appendString(accountName);
    appendInt32(static_cast<uint32_t>(setp));
    appendString(identifyCode);
    appendString(hashed(password));
}

void Package::loginWithAccountType(int32_t accountType, std::string_view accountName,
                                   std::string_view password) {
    appendInt32(static_cast<uint32_t>(accountType));
    appendString(accountName);
    appendString(hashed(password));
}

void Package::changePasswordWithUserId(uint64_t userId, std::string_view userKey,
                                       std::string_view oldPassword, std::string_view newPassword) {
    appendUser(userId, userKey);
    appendString(hashed(oldPassword));
    appendString(hashed(newPassword));
}

void Package::updateContractListWithUserId(uint64_t userId, std::string_view userKey,
                                           std::string_view phoneBookJsonStr) {
    appendUser(userId, userKey);
    appendString(phoneBookJsonStr);
}

void Package::fetchNumberOfFriendsWithUserId(uint64_t userId, std::string_view userKey) {
    appendUser(userId, userKey);
}

void Package::publishSecretWithUserId(uint64_t userId, std::string_view userKey,
                                      std::string_view addressJsonStr,
                                      std::string_view contentJsonStr) {
    appendUser(userId, userKey);
    appendString(addressJsonStr);
    appendString(contentJsonStr);
}

void Package::supportOrCommentWithUserId(uint64_t userId, std::string_view userKey, uint64_t feedId,
                                         uint64_t commentId, int32_t operation,
                                         std::string_view comment) {
    appendUser(userId, userKey);
    appendInt64(feedId);
    appendInt64(commentId);
    appendInt32(static_cast<uint32_t>(operation));
    appendString(comment);
}

void Package::lastedFeedsWithUserId(uint64_t userId, std::string_view userKey,
                                    uint32_t lastFentchTime, uint64_t messageId, int32_t limitNum) {
    appendUser(userId, userKey);
    appendInt32(lastFentchTime);
    appendInt64(messageId);
    appendInt32(static_cast<uint32_t>(limitNum));
}

void Package::feedDetailInfoWithUserId(uint64_t userId, std::string_view userKey, uint64_t feedId) {
    appendUser(userId, userKey);
    appendInt64(feedId);
}

void Package::collectFeedWithUserId(uint64_t userId, std::string_view userKey, uint64_t feedId) {
    appendUser(userId, userKey);
    appendInt64(feedId);
}

void Package::reportFeedWithUserId(uint64_t userId, std::string_view userKey, uint64_t feedId,
                                   int32_t uniqueCode, std::string_view reportReason) {
    appendUser(userId, userKey);
    appendInt64(feedId);
    appendInt32(static_cast<uint32_t>(uniqueCode));
    appendString(reportReason);
}

void Package::deleteFeedInMainViewWithUserId(uint64_t userId, std::string_view userKey,
                                             uint64_t feedId) {
    appendUser(userId, userKey);
    appendInt64(feedId);
}

void Package::fetchCollectedFeedsUserId(uint64_t userId, std::string_view userKey) {
    appendUser(userId, userKey);
}

void Package::fetchGuideQuestionWithWithUserId(uint64_t userId, std::string_view userKey,
                                               uint32_t fetchTime, uint64_t preMessageId,
                                               int32_t limitsNum) {
    appendUser(userId, userKey);
    appendInt32(fetchTime);
    appendInt64(preMessageId);
    appendInt32(static_cast<uint32_t>(limitsNum));
}

void Package::suggestForUsWithUserId(uint64_t userId, std::string_view userKey,
                                     std::string_view suggestContent) {
    appendUser(userId, userKey);
    appendString(suggestContent);
}

void Package::updateAPNsTokenWithUserId(uint64_t userId, std::string_view userKey, int32_t phase,
                                        std::string_view apnsToken, int32_t systemCode) {
    appendUser(userId, userKey);
    appendInt32(static_cast<uint32_t>(phase));
    appendString(apnsToken);
    appendInt32(static_cast<uint32_t>(systemCode));
}
