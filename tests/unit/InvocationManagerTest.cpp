#include <gtest/gtest.h>

#include <map>

#include "net/InvocationManager.h"
#include "net/ReplyAssembler.h"
#include "support/ReplyBytes.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Records every callback: which number, which flag, which bytes, in call order.
struct Recorder {
    struct Call {
        int32_t tag;
        int flag;
        Bytes bytes;
        int32_t cursor;
    };
    std::vector<Call> calls;
    CompletionBlock block(int32_t tag) {
        return [this, tag](int flag, Package& reply) {
            calls.push_back({tag, flag, reply.bytes(), reply.index()});
        };
    }
};

}  // namespace

TEST(InvocationManager, OneChunkReplyCallsBackOnceAndLeavesNoEntry) {
    InvocationManager table;
    Recorder rec;
    table.parseBlock(rec.block(5), 5);
    const Bytes reply = replyOfSize(5, 40);
    const auto outcome = table.parseData(reply, 5);
    ASSERT_EQ(rec.calls.size(), 1u);
    EXPECT_EQ(rec.calls[0].flag, 1);
    EXPECT_EQ(rec.calls[0].bytes, reply);
    EXPECT_EQ(rec.calls[0].cursor, 0);
    EXPECT_EQ(table.pendingCount(), 0u);
    EXPECT_TRUE(outcome.lastComplete);
}

TEST(InvocationManager, SecondRegistrationKeepsTheFirstCallback) {
    InvocationManager table;
    Recorder first, second;
    table.parseBlock(first.block(3), 3);
    table.parseBlock(second.block(3), 3);
    table.parseData(replyOfSize(3, 30), 3);
    EXPECT_EQ(first.calls.size(), 1u);
    EXPECT_TRUE(second.calls.empty());
}

TEST(InvocationManager, UnregisteredReplyIsCollectedAndDroppedSilently) {
    InvocationManager table;
    const Bytes reply = replyOfSize(77, 60);
    table.parseData(slice(reply, 0, 30), 77);
    EXPECT_TRUE(table.contains(77));
    EXPECT_FALSE(table.isFull(77));
    table.parseData(slice(reply, 30, 30), 77);
    EXPECT_EQ(table.pendingCount(), 0u);
}

TEST(InvocationManager, CompletenessRule) {
    InvocationManager table;
    EXPECT_TRUE(table.isFull(1)) << "no entry counts as complete";
    Invocation entry(1);
    EXPECT_TRUE(entry.isFull()) << "empty buffer";
    for (std::size_t n = 1; n <= 3; ++n) {
        Invocation partial(1);
        partial.package.appendData(Bytes(n, 0));
        EXPECT_FALSE(partial.isFull()) << n << " bytes hold no length word";
    }
}

// A continuation chunk of 70 bytes: 30 complete a pending reply, 40 are a whole second one.
// The second reply is delivered first, then the first; both entries are gone.
TEST(InvocationManager, ContinuationChunkDeliversTheLaterReplyFirst) {
    InvocationManager table;
    Recorder rec;
    table.parseBlock(rec.block(1), 1);
    table.parseBlock(rec.block(2), 2);
    const Bytes first = replyOfSize(1, 60);
    const Bytes second = replyOfSize(2, 40);
    table.parseData(slice(first, 0, 30), 1);
    EXPECT_TRUE(rec.calls.empty());
    const Bytes chunk = concat(slice(first, 30, 30), second);
    ASSERT_EQ(chunk.size(), 70u);
    table.parseData(chunk, 1);
    ASSERT_EQ(rec.calls.size(), 2u);
    EXPECT_EQ(rec.calls[0].tag, 2);
    EXPECT_EQ(rec.calls[0].bytes, second);
    EXPECT_EQ(rec.calls[1].tag, 1);
    EXPECT_EQ(rec.calls[1].bytes, first);
    EXPECT_EQ(table.pendingCount(), 0u);
}

TEST(InvocationManager, ReusedSequenceNumberInOneChunkDoesNotLoop) {
    InvocationManager table;
    Recorder rec;
    table.parseBlock(rec.block(9), 9);
    const Bytes chunk = concat(replyOfSize(9, 30), replyOfSize(9, 40));
    table.parseData(chunk, 9);
    ASSERT_EQ(rec.calls.size(), 1u);
    EXPECT_EQ(rec.calls[0].bytes.size(), 30u);
    EXPECT_EQ(table.pendingCount(), 0u);
}

TEST(InvocationManager, LengthWordOutOfRangeIsAProtocolError) {
    for (const uint32_t lengthWord : {0u, 19u, (16u << 20) + 1, 0xFFFFFFFFu}) {
        InvocationManager table;
        Bytes bytes = replyOfSize(4, 40);
        for (int i = 0; i < 4; ++i)
            bytes[i] = static_cast<uint8_t>(lengthWord >> (24 - 8 * i));
        EXPECT_TRUE(table.parseData(bytes, 4).protocolError) << lengthWord;
        EXPECT_EQ(table.pendingCount(), 0u) << "nothing allocated for it";
    }
    InvocationManager table;
    EXPECT_FALSE(table.parseData(replyOfSize(4, 24), 4).protocolError) << "header-only reply";
}

TEST(InvocationManager, FailAllEndsEveryRequestWithFlagZeroInOrder) {
    InvocationManager table;
    Recorder rec;
    table.parseBlock(rec.block(8), 8);
    table.parseBlock(rec.block(6), 6);
    table.parseData(slice(replyOfSize(6, 50), 0, 30), 6);    // half a reply
    table.parseData(slice(replyOfSize(99, 50), 0, 30), 99);  // unregistered, half
    table.failAll();
    ASSERT_EQ(rec.calls.size(), 2u);
    EXPECT_EQ(rec.calls[0].tag, 6);
    EXPECT_EQ(rec.calls[1].tag, 8);
    for (const auto& call : rec.calls) {
        EXPECT_EQ(call.flag, 0);
        EXPECT_TRUE(call.bytes.empty());
    }
    EXPECT_EQ(table.pendingCount(), 0u);
}

TEST(InvocationManager, CallbackThatSendsAnotherRequestGetsANewEntry) {
    InvocationManager table;
    int followUps = 0;
    table.parseBlock(
        [&](int, Package&) { table.parseBlock([&](int, Package&) { ++followUps; }, 12); }, 11);
    table.parseData(replyOfSize(11, 30), 11);
    EXPECT_TRUE(table.contains(12));
    table.parseData(replyOfSize(12, 30), 12);
    EXPECT_EQ(followUps, 1);
}

// The connection's read state over the table: chunk tables of one or more replies.
struct StreamCase {
    const char* name;
    std::vector<std::size_t> replySizes;  // replies for numbers 1, 2, ...
    std::vector<std::size_t> chunks;      // how the concatenated stream is cut
};

void PrintTo(const StreamCase& c, std::ostream* os) {
    *os << c.name;
}

class ReplyStream : public testing::TestWithParam<StreamCase> {};

TEST_P(ReplyStream, EveryReplyReachesItsOwnCallbackWhole) {
    const StreamCase& c = GetParam();
    InvocationManager table;
    ReplyAssembler assembler(table);
    Recorder rec;
    Bytes stream;
    std::map<int32_t, Bytes> expected;
    for (std::size_t i = 0; i < c.replySizes.size(); ++i) {
        const auto tag = static_cast<int32_t>(i + 1);
        table.parseBlock(rec.block(tag), tag);
        expected[tag] = replyOfSize(tag, c.replySizes[i]);
        stream = concat(stream, expected[tag]);
    }
    std::size_t offset = 0, total = 0;
    for (const std::size_t size : c.chunks)
        total += size;
    ASSERT_EQ(total, stream.size());
    for (std::size_t i = 0; i < c.chunks.size(); ++i) {
        ASSERT_TRUE(assembler.didReadData(slice(stream, offset, c.chunks[i])));
        offset += c.chunks[i];
        if (i + 1 < c.chunks.size()) {
            ASSERT_LT(rec.calls.size(), c.replySizes.size()) << "delivered before its last byte";
        }
    }
    ASSERT_EQ(rec.calls.size(), c.replySizes.size());
    for (const auto& call : rec.calls) {
        EXPECT_EQ(call.flag, 1);
        EXPECT_EQ(call.bytes, expected[call.tag]) << "reply " << call.tag;
    }
    EXPECT_EQ(table.pendingCount(), 0u);
    EXPECT_TRUE(assembler.fullPackage());
}

INSTANTIATE_TEST_SUITE_P(
    Chunkings, ReplyStream,
    testing::Values(StreamCase{"oneChunk", {40}, {40}},
                    StreamCase{"tenTwentyTen", {40}, {10, 20, 10}},
                    StreamCase{"byteByByte", {30}, std::vector<std::size_t>(30, 1)},
                    StreamCase{"twoRepliesOneChunk", {40, 50}, {90}},
                    StreamCase{"threeRepliesOneChunk", {24, 30, 1000}, {1054}},
                    StreamCase{"continuationEndsOneHoldsNext", {60, 40}, {30, 70}},
                    StreamCase{"continuationEndsOneStartsNext", {60, 40}, {30, 50, 20}},
                    StreamCase{"splitLeavesShortHeader", {60, 40}, {30, 40, 30}},
                    StreamCase{"splitLeavesThreeBytes", {60, 40}, {63, 37}},
                    StreamCase{"chunkStartingMessageEndsInNext", {40, 40}, {50, 30}}),
    [](const auto& info) { return info.param.name; });
