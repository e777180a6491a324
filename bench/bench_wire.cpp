#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

#include "net/InvocationManager.h"
#include "net/ReplyAssembler.h"
#include "wire/Package.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes header(uint32_t protocol, int32_t sequence) {
    Package p;
    for (const uint32_t word :
         {0u, Package::kMagic, Package::kVersion, 2u, protocol, static_cast<uint32_t>(sequence)})
        p.appendInt32(word);
    return p.bytes();
}

// A timeline page of ten secrets, as the server sends it.
Bytes timelineReply(int32_t sequence, int items = 10) {
    Package p(header(3, sequence));
    p.appendInt32(0);
    p.appendInt64(123456);
    p.appendInt32(static_cast<uint32_t>(items));
    for (int i = 0; i < items; ++i) {
        p.appendInt64(1000 + static_cast<uint64_t>(i));
        p.appendString(
            R"({"content":"今天终于鼓起勇气和他说了心里话，虽然结果不如意，但我不后悔。","img":"id:7"})");
        p.appendInt32(12);
        p.appendInt32(1);
        p.appendInt32(3);
        p.appendString("朋友圈");
    }
    return Package(p.bytes()).getData();
}

Bytes replyOfSize(int32_t sequence, std::size_t size) {
    Package p(header(3, sequence));
    p.appendData(Bytes(size - Package::kHeaderSize, 0x5A));
    return p.getData();
}

struct Stream {
    Bytes bytes;
    std::vector<std::size_t> chunks;
    int32_t replies = 0;
};

// `count` replies of `size` bytes cut into random 1–1500-byte chunks (fixed seed).
const Stream& streamOf(int32_t count, std::size_t size) {
    static std::map<std::pair<int32_t, std::size_t>, Stream> cache;
    Stream& s = cache[{count, size}];
    if (s.replies == count) return s;
    s.replies = count;
    for (int32_t i = 1; i <= count; ++i) {
        const Bytes reply = replyOfSize(i, size);
        s.bytes.insert(s.bytes.end(), reply.begin(), reply.end());
    }
    std::mt19937 rng(42);
    std::uniform_int_distribution<std::size_t> chunk(1, 1500);
    for (std::size_t offset = 0; offset < s.bytes.size();) {
        const std::size_t n = std::min(chunk(rng), s.bytes.size() - offset);
        s.chunks.push_back(n);
        offset += n;
    }
    return s;
}

// Reply counts and sizes: the cost per reply must not grow with the count.
void streamSizes(benchmark::internal::Benchmark* b) {
    for (const int64_t size : {1500, 40})
        for (const int64_t count : {10'000, 100'000})
            b->Args({count, size});
    b->Unit(benchmark::kMillisecond);
}

void BM_EncodeTimelineRequest(benchmark::State& state) {
    for (auto _ : state) {
        Package p(2, 3);
        p.lastedFeedsWithUserId(0x123456789ull, "9f8e7d6c5b4a39281706f5e4d3c2b1a0", 1700000000u,
                                987654321ull, 10);
        benchmark::DoNotOptimize(p.getData().data());
    }
}
BENCHMARK(BM_EncodeTimelineRequest);

void BM_ReadTimelineReply(benchmark::State& state) {
    Package reply(timelineReply(1));
    uint64_t checksum = 0;
    for (auto _ : state) {
        if (reply.readResultCode() != 0) state.SkipWithError("bad reply");
        checksum += reply.readInt64();
        const uint32_t n = reply.readInt32();
        for (uint32_t i = 0; i < n; ++i) {
            checksum += reply.readInt64();
            checksum += reply.readString()->size();
            checksum += reply.readInt32() + reply.readInt32() + reply.readInt32();
            checksum += reply.readString()->size();
        }
    }
    benchmark::DoNotOptimize(checksum);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * reply.length());
}
BENCHMARK(BM_ReadTimelineReply);

// Registering every request, then feeding the chunks through the read state and the table.
void BM_Reassemble(benchmark::State& state) {
    const Stream& s =
        streamOf(static_cast<int32_t>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    int64_t delivered = 0;
    for (auto _ : state) {
        InvocationManager table;
        ReplyAssembler assembler(table);
        for (int32_t tag = 1; tag <= s.replies; ++tag)
            table.parseBlock([&delivered](int flag, Package&) { delivered += flag; }, tag);
        std::size_t offset = 0;
        for (const std::size_t n : s.chunks) {
            assembler.didReadData({s.bytes.data() + offset, n});
            offset += n;
        }
    }
    if (delivered != static_cast<int64_t>(state.iterations()) * s.replies)
        state.SkipWithError("a reply was lost");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.bytes.size()));
    state.counters["ns_per_reply"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * s.replies,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Reassemble)->Apply(streamSizes);

// The floor: copying the same chunks into one buffer.
void BM_MemcpySameChunks(benchmark::State& state) {
    const Stream& s =
        streamOf(static_cast<int32_t>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    Bytes target(s.bytes.size());
    for (auto _ : state) {
        std::size_t offset = 0;
        for (const std::size_t n : s.chunks) {
            std::memcpy(target.data() + offset, s.bytes.data() + offset, n);
            offset += n;
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.bytes.size()));
}
BENCHMARK(BM_MemcpySameChunks)->Apply(streamSizes);

}  // namespace

BENCHMARK_MAIN();
