#include "support/ReplyBytes.h"

std::vector<uint8_t> replyBytes(uint32_t protocolId, int32_t sequence,
                                const std::function<void(Package&)>& body, int32_t subSystem) {
    Package reply;
    reply.appendInt32(0);
    reply.appendInt32(Package::kMagic);
    reply.appendInt32(Package::kVersion);
    reply.appendInt32(static_cast<uint32_t>(subSystem));
    reply.appendInt32(protocolId);
    reply.appendInt32(static_cast<uint32_t>(sequence));
    if (body) body(reply);
    return reply.getData();
}

std::vector<uint8_t> replyOfSize(int32_t sequence, std::size_t size, uint32_t protocolId) {
    return replyBytes(protocolId, sequence, [&](Package& p) {
        std::vector<uint8_t> fill(size - Package::kHeaderSize);
        for (std::size_t i = 0; i < fill.size(); ++i)
            fill[i] = static_cast<uint8_t>(sequence * 31 + static_cast<int32_t>(i));
        p.appendData(fill);
    });
}

std::vector<uint8_t> concat(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    std::vector<uint8_t> out = a;
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

std::vector<uint8_t> slice(const std::vector<uint8_t>& bytes, std::size_t from, std::size_t count) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(from),
            bytes.begin() + static_cast<std::ptrdiff_t>(from + count)};
}
