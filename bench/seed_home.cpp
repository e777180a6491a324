// Fills an application home with a signed-in user and N cached timeline secrets, for
// measuring the app's start with a large cache: xj_seed_home DIR N
#include <QCoreApplication>
#include <cstdio>

#include "core/ApplicationHome.h"
#include "model/Feed.h"
#include "model/UserInfo.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "store/UserDataBaseManager.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: xj_seed_home DIR N\n");
        return 2;
    }
    ApplicationHome::setPath(QString::fromLocal8Bit(argv[1]));
    LogicManager::sharedInstance().reloadSettings();
    UserDataBaseManager::sharedInstance().open();
    UserInfo::reloadMyselfInstance();
    UserInfo& myself = UserInfo::myselfInstance();
    myself.userId = 7;
    myself.userKey = QStringLiteral("bench-key");
    myself.synchronize();
    // A device that has fetched before: no first-time window, nothing to upload.
    LogicManager& hub = LogicManager::sharedInstance();
    hub.setPersistenceData(2, SettingsKeys::feedsFirstTime);
    hub.setPersistenceData(2, SettingsKeys::questionFirstTime);
    hub.setPersistenceData(4, SettingsKeys::PhoneBook);
    const int count = QString::fromLatin1(argv[2]).toInt();
    UserDataBaseManager::sharedInstance().executeUpdate(QStringLiteral("BEGIN"));
    for (int i = 1; i <= count; ++i) {
        Feed feed;
        feed.DBUid = 7;
        feed.feedId = static_cast<uint64_t>(i);
        feed.contentJson = QStringLiteral(R"({"content":"第%1条秘密","img":"id:%2"})").arg(i).arg(i % 12);
        feed.contentStr = QStringLiteral("第%1条秘密：今天终于鼓起勇气和她说了心里话").arg(i);
        feed.imageStr = QStringLiteral("img_secretCell_background_%1").arg(i % 12);
        feed.addressStr = i % 3 ? QStringLiteral("朋友圈") : QStringLiteral("热门");
        feed.likeNum = static_cast<uint32_t>(i % 40);
        feed.commentNum = static_cast<uint32_t>(i % 7);
        feed.synchronize();
    }
    UserDataBaseManager::sharedInstance().executeUpdate(QStringLiteral("COMMIT"));
    std::printf("seeded %d secrets for user 7 in %s\n", count, argv[1]);
    return 0;
}
