#include "net/ReplyAssembler.h"

bool ReplyAssembler::didReadData(std::span<const uint8_t> chunk) {
    if (chunk.empty()) return true;
    if (!fullPackage_) return apply(invocations_.parseData(chunk, particleSequnce_));
    if (headerFragment_.empty() && chunk.size() >= Package::kHeaderSize)
        return apply(invocations_.parseData(chunk, Package::sequenceOf(chunk)));

    headerFragment_.insert(headerFragment_.end(), chunk.begin(), chunk.end());
    if (headerFragment_.size() < Package::kHeaderSize) return true;
    const std::vector<uint8_t> message = std::move(headerFragment_);
    headerFragment_.clear();
    return apply(invocations_.parseData(message, Package::sequenceOf(message)));
}

bool ReplyAssembler::apply(InvocationManager::Outcome&& outcome) {
    if (outcome.protocolError) {
        reset();
        return false;
    }
    headerFragment_ = std::move(outcome.headerFragment);
    fullPackage_ = !headerFragment_.empty() || outcome.lastComplete;
    particleSequnce_ = fullPackage_ ? 0 : outcome.lastTag;
    return true;
}

void ReplyAssembler::reset() {
    fullPackage_ = true;
    particleSequnce_ = 0;
    headerFragment_.clear();
}
