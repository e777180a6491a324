#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "net/InvocationManager.h"

// The connection's read state: which message the next chunk continues. Every chunk read
// from the socket goes through didReadData.
class ReplyAssembler {
  public:
    explicit ReplyAssembler(InvocationManager& invocations) : invocations_(invocations) {}

    // False on a protocol error (a length word out of range); the connection must be dropped.
    bool didReadData(std::span<const uint8_t> chunk);
    // Back to "a new message is expected", forgetting any partial header.
    void reset();

    bool fullPackage() const { return fullPackage_; }
    int32_t particleSequnce() const { return particleSequnce_; }

  private:
    bool apply(InvocationManager::Outcome&& outcome);

    InvocationManager& invocations_;
    bool fullPackage_ = true;
    int32_t particleSequnce_ = 0;
    // The first bytes of a message, held until its 24-byte header is whole.
    std::vector<uint8_t> headerFragment_;
};
