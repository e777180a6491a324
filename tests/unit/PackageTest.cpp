#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "wire/Package.h"

using testing::ElementsAre;
using testing::ElementsAreArray;

namespace {

std::vector<uint8_t> header(const Package& p) {
    return {p.bytes().begin(), p.bytes().begin() + 24};
}

}  // namespace

TEST(Package, RequestHeaderHoldsMagicVersionNumbersAndSequence) {
    Package p(2, 15);
    ASSERT_EQ(p.length(), 24);
    EXPECT_EQ(p.index(), 24);
    const auto seq = static_cast<uint32_t>(p.packgeSequnce());
    EXPECT_THAT(header(p),
                ElementsAre(0, 0, 0, 0, 0x5A, 0x41, 0x4C, 0x42, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 15,
                            seq >> 24, (seq >> 16) & 0xFF, (seq >> 8) & 0xFF, seq & 0xFF));
    EXPECT_EQ(p.getProtocalId(), 15u);
    Package next(1, 1);
    EXPECT_EQ(next.packgeSequnce(), p.packgeSequnce() + 1);
}

TEST(Package, ThirtyEightByteExampleAndIdempotentGetData) {
    Package p(2, 6);
    p.appendInt64(7);
    p.appendString("ab");
    EXPECT_EQ(p.index(), 38);
    const std::vector<uint8_t> first = p.getData();
    ASSERT_EQ(first.size(), 38u);
    EXPECT_THAT(std::vector<uint8_t>(first.begin(), first.begin() + 4), ElementsAre(0, 0, 0, 0x22));
    EXPECT_EQ(p.getData(), first);
    EXPECT_EQ(p.fullLength(), 34);
}

TEST(Package, FieldEncodings) {
    Package p;
    p.appendInt64((uint64_t{1} << 32) | 2);
    p.appendInt32(0xFFFFFFFD);
    p.appendString("");
    p.appendString("星");
    EXPECT_THAT(p.bytes(), ElementsAre(0, 0, 0, 1, 0, 0, 0, 2,  //
                                       0xFF, 0xFF, 0xFF, 0xFD,  //
                                       0, 0, 0, 0,              //
                                       0, 0, 0, 3, 0xE6, 0x98, 0x9F));
    EXPECT_EQ(p.index(), 23);
}

TEST(Package, ReadsBackEveryKindOfField) {
    Package p;
    p.appendInt32(0xFFFFFFFD);
    p.appendInt64(0x8000000000000001ull);
    p.appendString("");
    p.appendString("秘密");
    p.seek(0);
    EXPECT_EQ(p.readSignedInt32(), -3);
    EXPECT_EQ(p.readInt64(), 0x8000000000000001ull);
    const int32_t beforeEmpty = p.index();
    EXPECT_EQ(p.readString(), std::optional<std::string>(""));
    EXPECT_EQ(p.index(), beforeEmpty + 4);
    EXPECT_EQ(p.readString(), std::optional<std::string>("秘密"));
    EXPECT_FALSE(p.overrun());
    EXPECT_EQ(p.index(), p.length());
}

TEST(Package, HeaderAccessOnShortBuffersAndCursorUntouched) {
    EXPECT_EQ(Package().fullLength(), 0);
    EXPECT_EQ(Package().length(), 0);
    EXPECT_EQ(Package(std::vector<uint8_t>(23, 0xFF)).packgeSequnce(), 0);
    EXPECT_EQ(Package(std::vector<uint8_t>(3, 0xFF)).fullLength(), 0);
    EXPECT_EQ(Package(std::vector<uint8_t>(10, 0xFF)).getProtocalId(), 0u);

    Package p(1, 2);
    p.appendInt32(5);
    p.seek(26);
    (void)p.fullLength();
    (void)p.packgeSequnce();
    (void)p.getProtocalId();
    EXPECT_EQ(p.index(), 26);
    p.reset();
    EXPECT_EQ(p.index(), 24);
}

struct OverrunCase {
    const char* name;
    std::vector<uint8_t> bytes;
};

void PrintTo(const OverrunCase& c, std::ostream* os) {
    *os << c.name;
}

class PackageOverrun : public testing::TestWithParam<OverrunCase> {};

// Truncated fields read nothing outside the buffer, yield 0 / "" and mark the package.
TEST_P(PackageOverrun, ReadsPastTheEndYieldZeroAndMark) {
    Package p(GetParam().bytes);
    EXPECT_EQ(p.readInt32(), 0x01020304u) << "first whole field";
    const uint64_t second = p.readInt64();
    const std::optional<std::string> third = p.readString();
    EXPECT_TRUE(p.overrun());
    EXPECT_EQ(p.index(), p.length());
    if (p.length() < 12) {
        EXPECT_EQ(second, 0u);
    }
    ASSERT_TRUE(third.has_value());
    EXPECT_EQ(*third, "");
    EXPECT_EQ(p.readInt32(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Truncations, PackageOverrun,
    testing::Values(OverrunCase{"int64Cut", {1, 2, 3, 4, 0, 0, 0}},
                    OverrunCase{"countCut", {1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
                    OverrunCase{"stringShorterThanCount",
                                {1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 'a', 'b'}},
                    OverrunCase{"hugeCount",
                                {1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}}),
    [](const auto& info) { return info.param.name; });

TEST(Package, NegativeOrFarCursorReadsNothing) {
    Package p(std::vector<uint8_t>(8, 1));
    p.seek(-4);
    EXPECT_EQ(p.readInt32(), 0u);
    EXPECT_TRUE(p.overrun());
    Package q(std::vector<uint8_t>(8, 1));
    q.seek(1000);
    EXPECT_EQ(q.readInt64(), 0u);
    EXPECT_TRUE(q.overrun());
}

TEST(Package, InvalidUtf8YieldsNoStringButReadingGoesOn) {
    const std::vector<std::vector<uint8_t>> invalid{
        {0xFF}, {0xC0, 0x80}, {0xED, 0xA0, 0x80}, {0xE6, 0x98}, {0xF4, 0x90, 0x80, 0x80}};
    for (const auto& text : invalid) {
        Package p;
        p.appendInt32(static_cast<uint32_t>(text.size()));
        p.appendData(text);
        p.appendInt32(42);
        p.seek(0);
        EXPECT_EQ(p.readString(), std::nullopt);
        EXPECT_EQ(p.readInt32(), 42u);
        EXPECT_FALSE(p.overrun());
    }
}

TEST(Package, ResultCodeOfATooShortReplyIsNeverSuccess) {
    struct Case {
        std::size_t size;
        int32_t expected;
    };
    for (const Case c :
         {Case{24, Package::kResultTruncated}, Case{27, Package::kResultTruncated}, Case{28, 0}}) {
        Package p(std::vector<uint8_t>(c.size, 0));
        EXPECT_EQ(p.readResultCode(), c.expected) << c.size << " bytes";
    }
    Package minusThree(std::vector<uint8_t>(24, 0));
    minusThree.appendData(std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFD});
    EXPECT_EQ(minusThree.readResultCode(), -3);
}
