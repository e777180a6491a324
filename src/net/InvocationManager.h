#pragma once

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "net/Invocation.h"

// The table of pending requests, keyed by sequence number. Chunks read from the connection
// are appended to their request's entry until its reply is complete; the callback then runs
// and the entry is forgotten.
class InvocationManager {
  public:
    // Length words outside [kMinLengthWord, maxLengthWord] are protocol errors.
    static constexpr uint32_t kMinLengthWord = Package::kHeaderSize - 4;
    static constexpr uint32_t kDefaultMaxLengthWord = 16u << 20;

    // What one parseData call left behind, for the connection's read state.
    struct Outcome {
        int32_t lastTag = 0;                  // the message the chunk ended in
        bool lastComplete = true;             // whether that message is complete
        std::vector<uint8_t> headerFragment;  // trailing bytes of a message without a whole header
        bool protocolError = false;           // a length word out of range
    };

    static InvocationManager& shareInstance();
    explicit InvocationManager(uint32_t maxLengthWord = kDefaultMaxLengthWord)
        : maxLengthWord_(maxLengthWord) {}
    InvocationManager(const InvocationManager&) = delete;
    InvocationManager& operator=(const InvocationManager&) = delete;

    // Registers a callback; a second callback for a number already registered is dropped.
    void parseBlock(CompletionBlock block, int32_t tag);
    bool isFull(int32_t tag) const;
    // Appends a chunk to the message numbered tag; bytes past its end are routed to the
    // messages that follow (a later complete message is delivered before the earlier one).
    Outcome parseData(std::span<const uint8_t> chunk, int32_t tag);
    // Ends every pending request with flag 0 and an empty reply, in sequence order.
    void failAll();

    bool contains(int32_t tag) const { return invocations_.contains(tag); }
    std::size_t pendingCount() const { return invocations_.size(); }
    bool isValidLengthWord(uint32_t lengthWord) const {
        return lengthWord >= kMinLengthWord && lengthWord <= maxLengthWord_;
    }

  private:
    void parseInto(std::span<const uint8_t> chunk, int32_t tag, Outcome& out);
    void fireIfFull(int32_t tag);

    std::unordered_map<int32_t, Invocation> invocations_;
    uint32_t maxLengthWord_;
};
