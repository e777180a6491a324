#include <gtest/gtest.h>

#include <functional>
#include <variant>

#include "wire/Package.h"

namespace {

using Field = std::variant<uint32_t, uint64_t, std::string>;

// The expected body, encoded here independently of Package.
std::vector<uint8_t> encode(const std::vector<Field>& fields) {
    std::vector<uint8_t> out;
    auto put32 = [&out](uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8)
            out.push_back(static_cast<uint8_t>(v >> shift));
    };
    for (const Field& field : fields) {
        if (const auto* v32 = std::get_if<uint32_t>(&field)) {
            put32(*v32);
        } else if (const auto* v64 = std::get_if<uint64_t>(&field)) {
            put32(static_cast<uint32_t>(*v64 >> 32));
            put32(static_cast<uint32_t>(*v64));
        } else {
            const auto& text = std::get<std::string>(field);
            put32(static_cast<uint32_t>(text.size()));
            out.insert(out.end(), text.begin(), text.end());
        }
    }
    return out;
}

constexpr uint64_t kUser = 0x8000000000000007ull;  // above 2^63: must survive bit for bit
const std::string kKey = "9f8e7d6c5b4a39281706f5e4d3c2b1a0";
const std::string kHash123456 = "0973d9a0fbbcb4b4248179271db4d558170790b3";
const std::string kHashPhone = "87eae77f8acfc0b219bfeab0af6a6eb50f14943f";

struct BuilderCase {
    const char* name;
    int32_t subSystem;
    uint32_t protocol;
    std::function<void(Package&)> build;
    std::vector<Field> body;
};

uint32_t u(int32_t v) {
    return static_cast<uint32_t>(v);
}

const std::vector<BuilderCase>& cases() {
    static const std::vector<BuilderCase> all{
        {"signUpStep1",
         1,
         1,
         [](Package& p) { p.registWithAccountType(1, "13812345678", 1, "", "13812345678"); },
         {u(1), std::string("13812345678"), u(1), std::string(""), kHashPhone}},
        {"signUpStep2",
         1,
         1,
         [](Package& p) { p.registWithAccountType(1, "13812345678", 2, "1234", "123456"); },
         {u(1), std::string("13812345678"), u(2), std::string("1234"), kHash123456}},
        {"signIn",
         1,
         2,
         [](Package& p) { p.loginWithAccountType(1, "13812345678", "123456"); },
         {u(1), std::string("13812345678"), kHash123456}},
        {"changePassword",
         1,
         11,
         [](Package& p) { p.changePasswordWithUserId(kUser, kKey, "123456", "13812345678"); },
         {kUser, kKey, kHash123456, kHashPhone}},
        {"uploadAddressBook",
         1,
         12,
         [](Package& p) {
             p.updateContractListWithUserId(kUser, kKey, R"([{"name":"小红","phone":"138"}])");
         },
         {kUser, kKey, std::string(R"([{"name":"小红","phone":"138"}])")}},
        {"countFriends",
         1,
         13,
         [](Package& p) { p.fetchNumberOfFriendsWithUserId(kUser, kKey); },
         {kUser, kKey}},
        {"publish",
         2,
         1,
         [](Package& p) {
             p.publishSecretWithUserId(kUser, kKey, "", R"({"content":"嗨","img":"id:3"})");
         },
         {kUser, kKey, std::string(""), std::string(R"({"content":"嗨","img":"id:3"})")}},
        {"likeSecret",
         2,
         2,
         [](Package& p) { p.supportOrCommentWithUserId(kUser, kKey, 99, 0, 1, ""); },
         {kUser, kKey, uint64_t{99}, uint64_t{0}, u(1), std::string("")}},
        {"unlikeSecret",
         2,
         2,
         [](Package& p) { p.supportOrCommentWithUserId(kUser, kKey, 99, 0, 2, ""); },
         {kUser, kKey, uint64_t{99}, uint64_t{0}, u(2), std::string("")}},
        {"comment",
         2,
         2,
         [](Package& p) { p.supportOrCommentWithUserId(kUser, kKey, 99, 0, 4, "抱抱"); },
         {kUser, kKey, uint64_t{99}, uint64_t{0}, u(4), std::string("抱抱")}},
        {"likeComment",
         2,
         2,
         [](Package& p) { p.supportOrCommentWithUserId(kUser, kKey, 99, 5, 6, ""); },
         {kUser, kKey, uint64_t{99}, uint64_t{5}, u(6), std::string("")}},
        {"timelinePage",
         2,
         3,
         [](Package& p) { p.lastedFeedsWithUserId(kUser, kKey, 0xFFFFFFF0u, ~0ull, 10); },
         {kUser, kKey, 0xFFFFFFF0u, ~0ull, u(10)}},
        {"detail",
         2,
         6,
         [](Package& p) { p.feedDetailInfoWithUserId(kUser, kKey, 7); },
         {kUser, kKey, uint64_t{7}}},
        {"collect",
         2,
         8,
         [](Package& p) { p.collectFeedWithUserId(kUser, kKey, 7); },
         {kUser, kKey, uint64_t{7}}},
        {"report",
         2,
         9,
         [](Package& p) { p.reportFeedWithUserId(kUser, kKey, 7, 0, "色情低俗"); },
         {kUser, kKey, uint64_t{7}, u(0), std::string("色情低俗")}},
        {"remove",
         2,
         12,
         [](Package& p) { p.deleteFeedInMainViewWithUserId(kUser, kKey, 7); },
         {kUser, kKey, uint64_t{7}}},
        {"collected",
         2,
         14,
         [](Package& p) { p.fetchCollectedFeedsUserId(kUser, kKey); },
         {kUser, kKey}},
        {"guideQuestions",
         2,
         15,
         [](Package& p) { p.fetchGuideQuestionWithWithUserId(kUser, kKey, 1700000000u, 3, 5); },
         {kUser, kKey, 1700000000u, uint64_t{3}, u(5)}},
        {"feedback",
         5,
         2,
         [](Package& p) { p.suggestForUsWithUserId(kUser, kKey, "很好用"); },
         {kUser, kKey, std::string("很好用")}},
        {"pushTokenRegister",
         8,
         1,
         [](Package& p) { p.updateAPNsTokenWithUserId(kUser, kKey, 1, "ab01", 2); },
         {kUser, kKey, u(1), std::string("ab01"), u(2)}},
        {"pushTokenWithdraw",
         8,
         1,
         [](Package& p) { p.updateAPNsTokenWithUserId(kUser, kKey, 2, "ab01", 2); },
         {kUser, kKey, u(2), std::string("ab01"), u(2)}},
    };
    return all;
}

}  // namespace

TEST(RequestBuilders, EveryOperationWritesItsFieldsInWireOrder) {
    for (const BuilderCase& c : cases()) {
        Package p(c.subSystem, c.protocol);
        c.build(p);
        const std::vector<uint8_t>& bytes = p.getData();
        const std::vector<uint8_t> expectedBody = encode(c.body);
        ASSERT_EQ(bytes.size(), 24 + expectedBody.size()) << c.name;
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 24, bytes.end()), expectedBody) << c.name;
        EXPECT_EQ(p.fullLength(), static_cast<int32_t>(bytes.size() - 4)) << c.name;
        EXPECT_EQ(p.index(), static_cast<int32_t>(bytes.size())) << c.name;
        Package header(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 24));
        header.seek(12);
        EXPECT_EQ(header.readInt32(), static_cast<uint32_t>(c.subSystem)) << c.name;
        EXPECT_EQ(header.readInt32(), c.protocol) << c.name;
    }
}

TEST(RequestBuilders, LikeAndUnlikeDifferOnlyInTheOperation) {
    Package like(2, 2), unlike(2, 2);
    like.supportOrCommentWithUserId(1, "k", 9, 0, 1, "");
    unlike.supportOrCommentWithUserId(1, "k", 9, 0, 2, "");
    const auto& a = like.getData();
    const auto& b = unlike.getData();
    ASSERT_EQ(a.size(), b.size());
    std::vector<std::size_t> differing;
    for (std::size_t i = 24; i < a.size(); ++i)
        if (a[i] != b[i]) differing.push_back(i);
    // Only the last byte of the operation field, which sits right before the empty comment.
    EXPECT_EQ(differing, std::vector<std::size_t>{a.size() - 5});
}
