#include <gtest/gtest.h>
#include <QCryptographicHash>
#include <QRegularExpression>

#include "services/LogicManager.h"

namespace {

QString singleSha1(const QString& text) {
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex());
}

}  // namespace

// Expected values computed outside the client: lowerhex(SHA-1(lowerhex(SHA-1(salt + pw)))),
// for non-ASCII text over the first (UTF-16 length) bytes of the UTF-8.
TEST(Credentials, PasswordHashMatchesIndependentComputation) {
    struct Case {
        QString password;
        const char* firstPass;
        const char* hash;
    };
    const Case cases[] = {
        {QStringLiteral("123456"), "83dc4df651829327250f34f0596480a6a66bcc22",
         "0973d9a0fbbcb4b4248179271db4d558170790b3"},
        {QString(), "4f5e3e6baca86a87b1e40d6c7d4bbb30341e35da",
         "9a6d5681eb58a71e8fbdc37072eebafe5e46b382"},
        {QStringLiteral("13812345678"), "abecefad0522eb81d3769ed56802adc528acec8c",
         "87eae77f8acfc0b219bfeab0af6a6eb50f14943f"},
        {QStringLiteral("密码"), nullptr, "18e99771e9a8a5c8af01108fa3b4ce22f5206564"},
        {QStringLiteral("😀"), nullptr, "d90b54dfac4cffe1335b223f8acca0f730415852"},
    };
    static const QRegularExpression lowerHex(QStringLiteral("^[0-9a-f]{40}$"));
    for (const Case& c : cases) {
        if (c.firstPass) {
            EXPECT_EQ(LogicManager::encodePassword(c.password), c.firstPass);
        }
        const QString hash = LogicManager::encodePasswordWithsha1(c.password);
        EXPECT_EQ(hash, c.hash) << c.password.toStdString();
        EXPECT_TRUE(lowerHex.match(hash).hasMatch());
        EXPECT_EQ(hash, LogicManager::encodePasswordWithsha1(c.password)) << "deterministic";
        EXPECT_NE(hash, singleSha1(c.password)) << "more than one unsalted pass";
        EXPECT_NE(hash, singleSha1(singleSha1(c.password))) << "salted";
    }
}

TEST(Credentials, MobileNumberIsTheWholeText) {
    struct Case {
        QString text;
        bool mobile;
    };
    const Case cases[] = {
        {QStringLiteral("13812345678"), true},
        {QStringLiteral("15000000000"), true},
        {QStringLiteral("18999999999"), true},
        {QStringLiteral("12812345678"), false},
        {QStringLiteral("14812345678"), false},
        {QStringLiteral("16812345678"), false},
        {QStringLiteral("17812345678"), false},
        {QStringLiteral("19812345678"), false},
        {QStringLiteral("1381234567"), false},
        {QStringLiteral("138123456789"), false},
        {QStringLiteral(" 13812345678"), false},
        {QStringLiteral("13812345678 "), false},
        {QStringLiteral("13812345678\n"), false},
        {QStringLiteral("+8613812345678"), false},
        {QStringLiteral("8613812345678"), false},
        {QStringLiteral("1381234567a"), false},
        {QStringLiteral("１３８１２３４５６７８"), false},  // full-width digits
        {QStringLiteral("١٣٨١٢٣٤٥٦٧٨"), false},             // Arabic-Indic digits
        {QString(), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LogicManager::isMobileNumber(c.text), c.mobile) << c.text.toStdString();
}
