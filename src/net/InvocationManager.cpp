#include "net/InvocationManager.h"

#include <algorithm>

namespace {
// Reserve no more than this up front for an announced length: the bytes must arrive first.
constexpr std::size_t kMaxReserve = 64 * 1024;
}  // namespace

InvocationManager& InvocationManager::shareInstance() {
    static auto* instance = new InvocationManager;  // lives for the whole process
    return *instance;
}

void InvocationManager::parseBlock(CompletionBlock block, int32_t tag) {
    invocations_.try_emplace(tag, tag, std::move(block));
}

bool InvocationManager::isFull(int32_t tag) const {
    const auto it = invocations_.find(tag);
    return it == invocations_.end() || it->second.isFull();
}

InvocationManager::Outcome InvocationManager::parseData(std::span<const uint8_t> chunk,
                                                        int32_t tag) {
    Outcome out;
    parseInto(chunk, tag, out);
    return out;
}

void InvocationManager::parseInto(std::span<const uint8_t> chunk, int32_t tag, Outcome& out) {
    auto it = invocations_.find(tag);
    if (chunk.empty()) {
        out.lastTag = tag;
        out.lastComplete = isFull(tag);
        fireIfFull(tag);
        return;
    }
    // A server that reuses a number before the first reply was delivered: deliver that one
    // now, so the new message starts an entry of its own instead of looping on a full one.
    if (it != invocations_.end() && it->second.package.length() > 0 && it->second.isFull()) {
        fireIfFull(tag);
        it = invocations_.find(tag);
    }

    std::size_t take = 0;
    if (it == invocations_.end() || it->second.package.length() == 0) {
        // A message starts here; its number is only known from a whole header.
        if (chunk.size() < Package::kHeaderSize) {
            out.headerFragment.assign(chunk.begin(), chunk.end());
            out.lastComplete = true;
            return;
        }
        const uint32_t lengthWord = Package::lengthWordOf(chunk);
        if (!isValidLengthWord(lengthWord)) {
            out.protocolError = true;
            return;
        }
        if (it == invocations_.end()) it = invocations_.try_emplace(tag, tag).first;
        const std::size_t messageSize = std::size_t{lengthWord} + 4;
        it->second.package.reserve(std::min(messageSize, kMaxReserve));
        take = std::min(chunk.size(), messageSize);
    } else {
        Package& package = it->second.package;
        const std::size_t messageSize =
            std::size_t{static_cast<uint32_t>(package.fullLength())} + 4;
        take = std::min(chunk.size(), messageSize - static_cast<std::size_t>(package.length()));
    }
    it->second.package.appendData(chunk.first(take));

    const auto rest = chunk.subspan(take);
    if (rest.empty()) {
        out.lastTag = tag;
        out.lastComplete = it->second.isFull();
    } else if (rest.size() < Package::kHeaderSize) {
        out.headerFragment.assign(rest.begin(), rest.end());
        out.lastComplete = true;
    } else {
        parseInto(rest, Package::sequenceOf(rest), out);
    }
    // Looked up again: a callback run by the recursion may have changed the table.
    fireIfFull(tag);
}

void InvocationManager::fireIfFull(int32_t tag) {
    const auto it = invocations_.find(tag);
    if (it == invocations_.end() || !it->second.isFull()) return;
    // Taken out before the callback runs, so the callback may use the table freely.
    Invocation invocation = std::move(it->second);
    invocations_.erase(it);
    invocation.fire();
}

void InvocationManager::failAll() {
    std::vector<Invocation> pending;
    pending.reserve(invocations_.size());
    for (auto& [tag, invocation] : invocations_)
        pending.push_back(std::move(invocation));
    invocations_.clear();
    std::sort(pending.begin(), pending.end(),
              [](const Invocation& a, const Invocation& b) { return a.code < b.code; });
    for (Invocation& invocation : pending) {
        if (!invocation.block) continue;
        Package empty;
        invocation.block(0, empty);
    }
}
