#include "DemoWorld.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRadialGradient>
#include <QSaveFile>
#include <array>
#include <random>

#include "Accounts.h"
#include "Secrets.h"
#include "ServerDatabase.h"
#include "Uploads.h"
#include "services/LogicManager.h"

namespace {

constexpr qint64 kDay = 86400;
constexpr int kSecretCount = 64;

const std::array<const char*, DemoWorld::kUserCount> kNames{
    "林小雨", "陈思琪", "王梓涵", "张可欣", "刘雨桐", "杨诗涵", "赵欣怡",
    "黄梦瑶", "周子萱", "吴佳怡", "徐若溪", "孙晓萌", "马晓彤", "朱一诺",
    "胡安琪", "郭语嫣", "何沐晴", "高雅婷", "罗静怡", "梁晨曦"};

// Whose numbers each demo user keeps. u0…u4 are a new user's friends (the demo address book),
// u5…u11 their friends, u12…u19 two circles outside.
const std::array<std::vector<int>, DemoWorld::kUserCount> kBooks{{
    {1, 5, 6}, {0, 2, 7}, {1, 3, 8},    {2, 4, 9, 10}, {3, 0, 11}, {0, 6},       {5, 0},
    {1},       {2},       {3},          {3},           {4},        {13, 14, 15}, {12, 14},
    {12, 15},  {12, 13},  {17, 18, 19}, {16, 18},      {16, 19},   {16, 17},
}};

const std::array<const char*, kSecretCount> kTexts{
    "其实我一直记得你说过的每一句话，只是从来没告诉过你。",
    "今天鼓起勇气拒绝了加班，回家路上天都变好看了。",
    "偷偷在备忘录里写了一百个想去的地方，第一个是和你一起去的海边。",
    "大学四年都没敢和暗恋的学长说一句话，他下个月结婚了。",
    "我假装很忙，其实只是不想被看出来我在等你的消息。",
    "妈妈第一次说她为我骄傲，我在厕所里哭了十分钟。",
    "体检报告一切正常，终于可以好好睡一觉了。",
    "升职了，但最想分享的人已经不在通讯录里了。",
    "每次路过那家奶茶店都会想起高三的晚自习。",
    "我在存钱，想明年带爸妈去看一次雪。",
    "被朋友误会了，解释了也没用，好累。",
    "今天第一次一个人去看电影，发现也挺好的。",
    "其实我不喜欢吃香菜，但他喜欢，我就一直陪着吃。",
    "离职那天，老板说我是他带过最认真的人。",
    "我好像终于放下了，翻到旧照片也不会难过了。",
    "把头发剪短了，好像把过去也剪掉了一点。",
    "每天早上六点起来跑步，已经坚持一百天了！",
    "室友不知道，她的生日蛋糕是我偷偷订的。",
    "考研二战，这次一定要上岸。",
    "小时候最怕打雷，现在最怕的是长大。",
    "给十年后的自己：希望你还是那么爱笑。",
    "她们都以为我很开朗，其实我每晚都失眠。",
    "学会了做外婆的红烧肉，味道一模一样。",
    "异地恋第三年，还有一百二十天就见面了。",
    "我把猫从楼下的纸箱里捡回了家，它叫汤圆。",
    "第一次有人记得我不吃葱，差点感动哭。",
    "工作第一年，攒下了人生第一个一万块。",
    "其实那封情书是我写的，不是她。",
    "今天被陌生人夸了一句裙子好看，开心一整天。",
    "想辞职去开一家小小的花店。",
    "和爸爸和好了，我们谁都没提那件事。",
    "每次难过就去江边走走，风会把坏心情吹走。",
    "我喜欢的人喜欢我最好的朋友。",
    "终于敢在会议上说出自己的想法了。",
    "把十年的日记都读完了，原来我一直在长大。",
    "如果可以重来，我还是会选择学画画。",
    "她说我们永远是好朋友，后来再也没联系。",
    "第一次独自旅行，在大理的客栈看了一整晚星星。",
    "原来被坚定地选择，是这种感觉。",
    "减肥失败第十次，但今天的火锅真的好吃。",
    "悄悄给山区的孩子寄了一箱书。",
    "我害怕告诉别人我在看心理医生，但我真的在变好。",
    "毕业那天，我们在操场上把学士帽扔得好高。",
    "熬夜追完了一部剧，结局是我想要的样子。",
    "奶奶今年九十岁了，还会叫我小名。",
    "最近学会了一件事：不回消息也没关系。",
    "我一直记得那年冬天他借给我的围巾。",
    "在地铁上给老人让座，她塞给我一颗糖。",
    "终于把驾照考下来了，科目二考了三次。",
    "其实我很羡慕那些敢说‘不’的人。",
    "今晚的月亮好圆，想把它寄给远方的你。",
    "二十五岁，第一次觉得自己可以照顾好自己。",
    "偷偷学了吉他，想在她生日那天弹给她听。",
    "搬进了自己租的小房子，虽然小，但都是我的。",
    "有些话说出口就好了，今天我做到了。",
    "那个总在楼下唱歌的男生，今天好像不在。",
    "失恋后的第一个周末，我给自己做了一桌菜。",
    "我想成为一个温柔但有力量的人。",
    "今天收到了十年前寄给自己的明信片。",
    "终于明白，妈妈的唠叨是另一种‘我爱你’。",
    "第一次主动约喜欢的人吃饭，他答应了！",
    "加班到深夜，楼下的保安大叔给我留了灯。",
    "原来一个人也可以把日子过得很热闹。",
    "愿我们都被这个世界温柔以待。",
};

const std::array<const char*, 10> kQuestions{"你最近一次哭是因为什么？",
                                             "有没有一句话，你一直想说却没说出口？",
                                             "你做过最勇敢的一件事是什么？",
                                             "如果可以回到过去，你想对那时的自己说什么？",
                                             "你暗恋过谁吗？现在还喜欢吗？",
                                             "最近让你开心的一件小事是什么？",
                                             "你有什么从来没告诉过父母的秘密？",
                                             "你觉得自己最不被理解的地方是什么？",
                                             "最想和谁一起去旅行？",
                                             "有没有一个人，你已经慢慢放下了？"};

const std::array<const char*, 12> kComments{
    "抱抱你，会好起来的", "好羡慕呀！",     "我也是这样的",   "加油，我们都在",
    "看哭了……",           "太懂这种感觉了", "你真的很棒",     "要幸福哦",
    "同款经历+1",         "哈哈哈好可爱",   "愿你被温柔以待", "慢慢来，不着急"};

QString contentJson(const QString& text, const QString& img) {
    return QString::fromUtf8(
        QJsonDocument(QJsonObject{{QStringLiteral("content"), text}, {QStringLiteral("img"), img}})
            .toJson(QJsonDocument::Compact));
}

// A soft, abstract photo: a pastel gradient with a few blurred circles of light.
QByteArray demoPhoto(int seed) {
    std::mt19937 random(static_cast<uint32_t>(seed) * 7919u + 17u);
    QImage image(640, 640, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const std::array<std::pair<QColor, QColor>, 4> palettes{
        {{QColor(0xF8, 0x8B, 0xB5), QColor(0x9B, 0x5D, 0xE5)},
         {QColor(0xFF, 0xC8, 0x8A), QColor(0xE7, 0x6F, 0x51)},
         {QColor(0x8E, 0xCA, 0xE6), QColor(0x35, 0x50, 0x70)},
         {QColor(0xB8, 0xE0, 0xD2), QColor(0x6A, 0x99, 0x4E)}}};
    const auto& [top, bottom] = palettes[static_cast<std::size_t>(seed) % palettes.size()];
    QLinearGradient sky(0, 0, 0, 640);
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    painter.fillRect(image.rect(), sky);
    for (int i = 0; i < 14; ++i) {
        const int x = static_cast<int>(random() % 640), y = static_cast<int>(random() % 640);
        const int r = 30 + static_cast<int>(random() % 120);
        QRadialGradient light(x, y, r);
        light.setColorAt(0, QColor(255, 255, 255, 110));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setBrush(light);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(x, y), r, r);
    }
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

DemoWorld::DemoWorld(ServerDatabase& database, Accounts& accounts, Secrets& secrets,
                     const Uploads& uploads, Clock clock)
    : database_(database),
      accounts_(accounts),
      secrets_(secrets),
      uploads_(uploads),
      clock_(std::move(clock)) {}

QString DemoWorld::phoneOf(int user) {
    return QStringLiteral("1380013%1").arg(8000 + user);
}
QString DemoWorld::nameOf(int user) {
    return QString::fromUtf8(kNames[static_cast<std::size_t>(user)]);
}

void DemoWorld::prepare() {
    if (database_.meta(QStringLiteral("demo")).isEmpty()) seed();
    freshen();
}

void DemoWorld::seed() {
    std::mt19937 random(20261211);
    auto pick = [&random](int from, int to) {  // inclusive
        return from + static_cast<int>(random() % static_cast<uint32_t>(to - from + 1));
    };
    SQLite::Transaction transaction(database_.db());
    const QString password = LogicManager::encodePasswordWithsha1(QString::fromLatin1(kPassword));
    std::array<uint64_t, kUserCount> ids{};
    for (int u = 0; u < kUserCount; ++u)
        ids[static_cast<std::size_t>(u)] = accounts_.createUser(phoneOf(u), password);
    for (int u = 0; u < kUserCount; ++u) {
        QString book = QStringLiteral("[");
        for (const int other : kBooks[static_cast<std::size_t>(u)])
            book += QStringLiteral("{\"name\":\"%1\",\"phone\":\"%2\"},")
                        .arg(nameOf(other), phoneOf(other));
        book.chop(book.endsWith(',') ? 1 : 0);
        accounts_.storeContacts(ids[static_cast<std::size_t>(u)], book + ']');
    }

    const qint64 now = clock_();
    const qint64 start = now - 5 * kDay;
    for (int i = 0; i < kSecretCount; ++i) {
        // Every stretch of the timeline mixes the kinds of secret a new demo user meets.
        int author = 0;
        std::vector<int> likers;
        switch (i % 5) {
            case 0:
                author = pick(0, 4);
                for (int n = pick(0, 3); n > 0; --n)
                    likers.push_back(pick(0, 11));
                break;
            case 1:
                author = pick(5, 11);
                likers = {pick(0, 4)};
                break;  // friend of a friend, liked
            case 2:
                author = pick(12, 19);
                likers = {pick(0, 4), pick(12, 19)};
                break;  // a friend liked it
            case 3:
                author = pick(12, 19);
                for (int n = pick(3, 7); n > 0; --n)
                    likers.push_back(pick(12, 19));
                break;
            default:
                author = pick(5, 11);
                break;  // friend of a friend, not liked: unseen until it is
        }
        const qint64 created = start + i * (5 * kDay - 3600) / kSecretCount + pick(0, 1200);
        QString img = QStringLiteral("id:%1").arg(i % 12);
        if (i % 16 == 7) {
            QString error;
            if (const auto name = uploads_.store(demoPhoto(i), &error))
                img = QStringLiteral("{{HTTP}}/download-image.cgi?") + *name;
        }
        const QString location =
            QStringLiteral(R"({"city":"上海","latitude":31.23,"longitude":121.47})");
        const uint64_t secret =
            secrets_
                .publish(ids[static_cast<std::size_t>(author)], location,
                         contentJson(QString::fromUtf8(kTexts[static_cast<std::size_t>(i)]), img),
                         created, true)
                .second;
        for (const int liker : likers)
            secrets_.act(ids[static_cast<std::size_t>(liker)], secret, 0, 1, {});
        if (i % 3 == 0) {
            // The author and her friends talk under it.
            std::vector<int> talkers{author};
            for (const int other : kBooks[static_cast<std::size_t>(author)])
                talkers.push_back(other);
            const int count = pick(1, 5);
            for (int c = 0; c < count; ++c) {
                const int talker = talkers[static_cast<std::size_t>(
                    pick(0, static_cast<int>(talkers.size()) - 1))];
                secrets_.act(ids[static_cast<std::size_t>(talker)], secret, 0, 4,
                             QString::fromUtf8(kComments[static_cast<std::size_t>(pick(0, 11))]),
                             created + 600 * (c + 1));
            }
        }
    }
    for (std::size_t q = 0; q < kQuestions.size(); ++q)
        secrets_.addQuestion(contentJson(QString::fromUtf8(kQuestions[q]),
                                         QStringLiteral("id:%1").arg((q * 5) % 12)),
                             start + static_cast<qint64>(q) * 3600);
    database_.setMeta(QStringLiteral("demo"), QStringLiteral("seeded"));
    transaction.commit();
}

void DemoWorld::freshen() {
    SQLite::Statement newest(database_.db(), "select max(created) from secrets where demo = 1");
    if (!newest.executeStep() || newest.getColumn(0).isNull()) return;
    const qint64 shift = clock_() - 600 - newest.getColumn(0).getInt64();
    if (shift < kDay) return;  // still looks alive
    SQLite::Transaction transaction(database_.db());
    for (const char* sql : {"update secrets set created = created + ? where demo = 1",
                            "update comments set created = created + ? where secret in (select id "
                            "from secrets where demo = 1)",
                            "update questions set created = created + ?"}) {
        SQLite::Statement update(database_.db(), sql);
        update.bind(1, static_cast<int64_t>(shift));
        update.exec();
    }
    transaction.commit();
}

bool DemoWorld::writeAddressBook(const QString& path) const {
    QByteArray vcf;
    for (int u = 0; u < kContactsInBook; ++u) {
        const QString name = nameOf(u);
        vcf += QStringLiteral(
                   "BEGIN:VCARD\r\nVERSION:3.0\r\nN:%1;%2;;;\r\nFN:%3\r\nTEL;TYPE=CELL:+86 "
                   "%4\r\nEND:VCARD\r\n")
                   .arg(name.left(1), name.mid(1), name, phoneOf(u))
                   .toUtf8();
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(vcf) == vcf.size() && file.commit();
}
