#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One message of the wire protocol: a 24-byte big-endian header, then the body fields.
// The frame and field codec uses only the standard library; the request builders are
// defined in PackageRequests.cpp and need the credential helpers of LogicManager.
class Package {
  public:
    static constexpr std::size_t kHeaderSize = 24;
    static constexpr uint32_t kMagic = 0x5A414C42;
    static constexpr uint32_t kVersion = 1;
    // Result code reported for a reply too short to hold one: an unknown failure.
    static constexpr int32_t kResultTruncated = INT32_MIN;

    // The empty collecting buffer of a pending request.
    Package() = default;
    // A request: header with a zero length word and the next process-wide sequence number.
    Package(int32_t subSystem, uint32_t subProcotol);
    // Reads the given bytes; cursor at 0.
    explicit Package(std::vector<uint8_t> bytes) : data_(std::move(bytes)) {}

    // Header access; none of these moves the cursor.
    int32_t length() const { return static_cast<int32_t>(data_.size()); }
    int32_t fullLength() const;
    int32_t packgeSequnce() const;
    uint32_t getProtocalId() const;
    // The message bytes with the length word patched to (size - 4).
    const std::vector<uint8_t>& getData();
    const std::vector<uint8_t>& bytes() const { return data_; }

    // Header fields read straight from bytes (0 when the bytes are too short).
    static int32_t sequenceOf(std::span<const uint8_t> bytes);
    static uint32_t lengthWordOf(std::span<const uint8_t> bytes);

    // Cursor.
    int32_t index() const { return index_; }
    void reset() { index_ = static_cast<int32_t>(kHeaderSize); }
    void seek(int32_t position) { index_ = position; }

    // Writing: append at the end; each moves the cursor by the bytes written.
    void appendInt32(uint32_t value);
    void appendInt64(uint64_t value);
    void appendString(std::string_view utf8);
    // Raw bytes; the cursor stays where it is.
    void appendData(std::span<const uint8_t> bytes);
    void reserve(std::size_t bytes) { data_.reserve(bytes); }

    // Reading at the cursor. A read that would pass the end of the buffer reads nothing,
    // yields 0 (or an empty string), leaves the cursor at the end and marks the package
    // overrun, so a decoder can read on and give up once at the end.
    uint32_t readInt32();
    uint64_t readInt64();
    int32_t readSignedInt32() { return static_cast<int32_t>(readInt32()); }
    // No value for bytes that are not valid UTF-8.
    std::optional<std::string> readString();
    bool overrun() const { return overrun_; }
    // Resets the cursor and reads the result code; kResultTruncated when it is not there.
    int32_t readResultCode();

    // Request builders: the body of every operation, fields in wire order.
    void registWithAccountType(int32_t accountType, std::string_view accountName, int32_t setp,
                               std::string_view identifyCode, std::string_view password);
    void loginWithAccountType(int32_t accountType, std::string_view accountName,
                              std::string_view password);
    void changePasswordWithUserId(uint64_t userId, std::string_view userKey,
                                  std::string_view oldPassword, std::string_view newPassword);
    void updateContractListWithUserId(uint64_t userId, std::string_view userKey,
                                      std::string_view phoneBookJsonStr);
    void fetchNumberOfFriendsWithUserId(uint64_t userId, std::string_view userKey);
    void publishSecretWithUserId(uint64_t userId, std::string_view userKey,
                                 std::string_view addressJsonStr, std::string_view contentJsonStr);
    void supportOrCommentWithUserId(uint64_t userId, std::string_view userKey, uint64_t feedId,
                                    uint64_t commentId, int32_t operation,
                                    std::string_view comment);
    void lastedFeedsWithUserId(uint64_t userId, std::string_view userKey, uint32_t lastFentchTime,
                               uint64_t messageId, int32_t limitNum);
    void feedDetailInfoWithUserId(uint64_t userId, std::string_view userKey, uint64_t feedId);
    void collectFeedWithUserId(uint64_t userId, std::string_view userKey, uint64_t feedId);
    void reportFeedWithUserId(uint64_t userId, std::string_view userKey, uint64_t feedId,
                              int32_t uniqueCode, std::string_view reportReason);
    void deleteFeedInMainViewWithUserId(uint64_t userId, std::string_view userKey, uint64_t feedId);
    void fetchCollectedFeedsUserId(uint64_t userId, std::string_view userKey);
    void fetchGuideQuestionWithWithUserId(uint64_t userId, std::string_view userKey,
                                          uint32_t fetchTime, uint64_t preMessageId,
                                          int32_t limitsNum);
    void suggestForUsWithUserId(uint64_t userId, std::string_view userKey,
                                std::string_view suggestContent);
    void updateAPNsTokenWithUserId(uint64_t userId, std::string_view userKey, int32_t phase,
                                   std::string_view apnsToken, int32_t systemCode);

    // Reply decoders. Each resets the cursor and reads the result code, lets the service hub
    // show the standard message for the context (errorCode), and on success reads and stores
    // the rest. A reply too short for its fields is a failure that stores nothing.
    static bool handleRegist(Package& reply, bool write, int32_t errorCode);
    static bool handleLogin(Package& reply, int32_t errorCode);
    static bool handleSupportOrComment(Package& reply, int32_t errorCode);
    static bool handleCollectFeed(Package& reply, int32_t errorCode);
    static bool handleReportFeed(Package& reply, int32_t errorCode);
    static bool handleDeleteFeedInMainView(Package& reply, int32_t errorCode);
    // Reads userId and userKey at the cursor into the signed-in user and saves it; nothing
    // changes unless both are whole.
    static bool storeSignedInUser(Package& reply);
    // The number of friends, or 0xFFFFFFFF on failure.
    static uint32_t handleFetchNumberOfFriends(Package& reply, int32_t errorCode);

  private:
    void appendUser(uint64_t userId, std::string_view userKey);
    uint32_t peekInt32At(std::size_t offset) const;
    bool take(std::size_t count);

    std::vector<uint8_t> data_;
    int32_t index_ = 0;
    bool overrun_ = false;
};
