// An arbitrary byte stream in arbitrary chunks through the connection's read state and the
// request table: nothing may read outside a buffer, loop, or deliver a reply twice.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>

#include "net/InvocationManager.h"
#include "net/ReplyAssembler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // The first bytes choose the chunk sizes; the rest is the stream.
    const size_t cuts = data[0] % 16 + 1;
    if (size < 1 + cuts) return 0;
    const uint8_t* sizes = data + 1;
    const uint8_t* stream = data + 1 + cuts;
    const size_t length = size - 1 - cuts;

    InvocationManager table(1u << 20);
    ReplyAssembler assembler(table);
    std::map<int32_t, int> calls;
    for (int32_t tag = 0; tag < 8; ++tag) {
        table.parseBlock(
            [&calls, tag](int, Package& reply) {
                if (++calls[tag] > 1) std::abort();
                (void)reply.readResultCode();
            },
            tag);
    }
    size_t offset = 0;
    for (size_t i = 0; offset < length; ++i) {
        const size_t chunk = std::min<size_t>(length - offset, size_t{sizes[i % cuts]} * 7 + 1);
        if (!assembler.didReadData({stream + offset, chunk})) {
            table.failAll();
            assembler.reset();
        }
        offset += chunk;
    }
    table.failAll();
    return 0;
}
