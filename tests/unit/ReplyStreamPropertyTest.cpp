#include <gtest/gtest.h>

#include <map>
#include <random>

#include "net/InvocationManager.h"
#include "net/ReplyAssembler.h"
#include "support/ReplyBytes.h"

// A stream of many replies (some nobody asked for) cut at random byte positions delivers
// every registered reply exactly once, to its own callback, with its own bytes.
TEST(ReplyStreamProperty, RandomCutsDeliverEveryReplyOnceWithItsOwnBytes) {
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        std::mt19937 rng(seed);
        InvocationManager table;
        ReplyAssembler assembler(table);
        std::map<int32_t, std::vector<uint8_t>> expected;
        std::map<int32_t, int> deliveries;
        std::vector<uint8_t> stream;

        const int replies = std::uniform_int_distribution<int>(1, 120)(rng);
        const std::size_t maxSize = seed % 3 == 0 ? 40 : 3000;
        std::uniform_int_distribution<std::size_t> sizeOf(24, maxSize);
        for (int i = 0; i < replies; ++i) {
            const int32_t tag = 1000 + i;
            const std::vector<uint8_t> reply = replyOfSize(tag, sizeOf(rng));
            if (rng() % 5 != 0) {
                expected[tag] = reply;
                table.parseBlock(
                    [&deliveries, &expected, tag](int flag, Package& p) {
                        ++deliveries[tag];
                        EXPECT_EQ(flag, 1);
                        EXPECT_EQ(p.bytes(), expected[tag]) << "reply " << tag;
                    },
                    tag);
            }
            stream.insert(stream.end(), reply.begin(), reply.end());
        }

        const std::size_t maxChunk = seed % 2 == 0 ? 64 : 4000;
        std::uniform_int_distribution<std::size_t> chunkOf(1, maxChunk);
        for (std::size_t offset = 0; offset < stream.size();) {
            const std::size_t size = std::min(chunkOf(rng), stream.size() - offset);
            ASSERT_TRUE(assembler.didReadData({stream.data() + offset, size})) << "seed " << seed;
            offset += size;
        }

        ASSERT_EQ(deliveries.size(), expected.size()) << "seed " << seed;
        for (const auto& [tag, count] : deliveries)
            EXPECT_EQ(count, 1) << "seed " << seed;
        EXPECT_EQ(table.pendingCount(), 0u) << "seed " << seed;
        EXPECT_TRUE(assembler.fullPackage()) << "seed " << seed;
    }
}
