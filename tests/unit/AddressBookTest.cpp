#include <gtest/gtest.h>
#include <QFile>

#include "platform/VCardAddressBook.h"
#include "platform/VCardParser.h"
#include "services/LogicManager.h"
#include "support/TestHome.h"

namespace {

QString fixture(const char* name) {
    return QStringLiteral(XJ_FIXTURES_DIR "/") + QString::fromLatin1(name);
}

using Entries = std::vector<std::pair<QString, QString>>;

struct Result {
    int status = 0;
    QVariantMap dictionary;
    int calls = 0;
    Entries entries() const {
        Entries out;
        for (const QVariant& item : dictionary.value(QStringLiteral("dic")).toList())
            out.emplace_back(item.toMap().value(QStringLiteral("name")).toString(),
                             item.toMap().value(QStringLiteral("phone")).toString());
        return out;
    }
};

class AddressBookTest : public testing::Test {
  protected:
    Result read() {
        Result result;
        hub.getContactFriends([&result](int status, const QVariantMap& dictionary) {
            result.status = status;
            result.dictionary = dictionary;
            ++result.calls;
        });
        return result;
    }

    LogicManager& hub = LogicManager::sharedInstance();
    TestHome home;
};

struct VCardCase {
    const char* file;
    Entries expected;
};

}  // namespace

TEST_F(AddressBookTest, ExportsOfEveryVersionBecomeNameAndLastUsableNumber) {
    const VCardCase cases[] = {
        {"android-2.1.vcf",
         {{QStringLiteral("张三"), QStringLiteral("+861065529988")},
          {QStringLiteral("欧阳小红大宝"), QStringLiteral("+8613900001111")},
          {QStringLiteral("Lili"), QStringLiteral("15000002222")}}},
        {"iphone-3.0.vcf",
         {{QStringLiteral("王小美"), QStringLiteral("18612345678")},
          {QStringLiteral("Li;ChenMei,Mei"), QStringLiteral("18800003333")}}},
        {"contacts-4.0.vcf",
         {{QStringLiteral("陈静"), QStringLiteral("+8613500004444")},
          {QStringLiteral("ZhangSan"), QStringLiteral("13800001111")}}},
        {"gbk-2.1.vcf", {{QStringLiteral("刘芳"), QStringLiteral("15911112222")}}},
    };
    for (const VCardCase& c : cases) {
        hub.setAddressBook(std::make_unique<VCardAddressBook>(fixture(c.file)));
        const Result result = read();
        EXPECT_EQ(result.calls, 1) << c.file;
        EXPECT_EQ(result.status, 1) << c.file;
        EXPECT_EQ(result.entries(), c.expected) << c.file;
    }
}

TEST_F(AddressBookTest, NoReadableAddressBookGivesMinusOne) {
    for (const QString& path : {QString(), QStringLiteral("/nonexistent/contacts.vcf")}) {
        if (path.isNull()) {
            hub.setAddressBook(nullptr);
        } else {
            hub.setAddressBook(std::make_unique<VCardAddressBook>(path));
        }
        const Result result = read();
        EXPECT_EQ(result.calls, 1);
        EXPECT_EQ(result.status, -1);
        EXPECT_TRUE(result.dictionary.isEmpty());
    }
}

TEST_F(AddressBookTest, RefusedAccessGivesAnEmptyListAndTheAnswerIsRemembered) {
    int prompts = 0;
    hub.setAddressBook(std::make_unique<VCardAddressBook>(
        fixture("android-2.1.vcf"), [&prompts](std::function<void(bool)> answer) {
            ++prompts;
            answer(false);
        }));
    for (int i = 0; i < 2; ++i) {
        const Result result = read();
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.entries().empty());
        EXPECT_EQ(
            hub.objectToJsonString(result.dictionary.value(QStringLiteral("dic"))).simplified(),
            QStringLiteral("[ ]"));
    }
    EXPECT_EQ(prompts, 1);
}

TEST_F(AddressBookTest, ASecondReadIsServedFromMemoryWithoutTouchingTheBook) {
    const QString copy = home.path() + QStringLiteral("/contacts.vcf");
    ASSERT_TRUE(QFile::copy(fixture("contacts-4.0.vcf"), copy));
    hub.setAddressBook(std::make_unique<VCardAddressBook>(copy));
    const Result first = read();
    ASSERT_EQ(first.entries().size(), 2u);
    QFile::remove(copy);
    const Result second = read();
    EXPECT_EQ(second.status, 1);
    EXPECT_EQ(second.entries(), first.entries());

    const QVariantList upload =
        hub.jsonStringTOObject(
               hub.objectToJsonString(second.dictionary.value(QStringLiteral("dic"))))
            .toList();
    ASSERT_EQ(upload.size(), 2);
    EXPECT_EQ(upload[0].toMap().keys(),
              (QStringList{QStringLiteral("name"), QStringLiteral("phone")}));
}

TEST_F(AddressBookTest, ABookWithNobodyUsableIsReadAgainNextTime) {
    const QString path = home.path() + QStringLiteral("/contacts.vcf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BEGIN:VCARD\nVERSION:3.0\nN:;Nobody;;;\nEND:VCARD\n");
    file.close();
    hub.setAddressBook(std::make_unique<VCardAddressBook>(path));
    EXPECT_TRUE(read().entries().empty());
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::copy(fixture("gbk-2.1.vcf"), path));
    EXPECT_EQ(read().entries().size(), 1u);
}

TEST(VCardParser, OddInputNeverFails) {
    const QByteArray odd[] = {
        "",
        "BEGIN:VCARD",
        "END:VCARD\nEND:VCARD\n",
        "BEGIN:VCARD\nTEL;ENCODING=QUOTED-PRINTABLE:=\n",
        "BEGIN:VCARD\nN;ENCODING=QUOTED-PRINTABLE:=ZZ=4\nTEL:1\nEND:VCARD",
        "BEGIN:VCARD\nN;CHARSET=NO-SUCH-CHARSET:x;y\nTEL:1\nEND:VCARD",
        "BEGIN:VCARD\nBEGIN:VCARD\nTEL:2\nEND:VCARD\nTEL:1\nEND:VCARD",
        "\xFF\xFE\x00B\x00E",
        "BEGIN:VCARD\n:no name\n;;;\nTEL\nEND:VCARD",
    };
    for (const QByteArray& bytes : odd)
        (void)VCardParser::parse(bytes);
    const auto nested = VCardParser::parse(odd[6]);
    ASSERT_EQ(nested.size(), 1u);
    EXPECT_EQ(nested[0].phones, QStringList{QStringLiteral("1")})
        << "a nested card's lines do not count";
}
