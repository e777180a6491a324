#include "SecretPage.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <array>

SecretPage::SecretPage(QString databasePath, std::function<QString()> httpBase)
    : databasePath_(std::move(databasePath)), httpBase_(std::move(httpBase)) {}

QString SecretPage::escape(const QString& text) {
    return text.toHtmlEscaped().replace('\'', QStringLiteral("&#39;"));
}

QString SecretPage::backgroundColour(int index) {
    static const std::array<const char*, 12> colours{"#D0246C", "#E86A92", "#9B5DE5", "#5E60CE",
                                                     "#4EA8DE", "#2A9D8F", "#6A994E", "#E09F3E",
                                                     "#E76F51", "#B5838D", "#6D597A", "#355070"};
    return QString::fromLatin1(colours[static_cast<std::size_t>(std::clamp(index, 0, 11))]);
}

std::optional<QString> SecretPage::render(uint64_t secretId) const {
    SQLite::Database db(databasePath_.toStdString(), SQLite::OPEN_READONLY);
    SQLite::Statement query(db, R"SQL(
        select s.content, s.demo, (select count(*) from likes where secret = s.id),
            (select count(*) from comments where secret = s.id)
        from secrets s where s.id = ?)SQL");
    query.bind(1, static_cast<int64_t>(secretId));
    if (!query.executeStep()) return std::nullopt;
    QString contentJson = QString::fromStdString(query.getColumn(0).getString());
    if (query.getColumn(1).getInt() != 0)
        contentJson.replace(QStringLiteral("{{HTTP}}"), httpBase_());
    const int likes = query.getColumn(2).getInt();
    const int comments = query.getColumn(3).getInt();

    const QJsonObject content = QJsonDocument::fromJson(contentJson.toUtf8()).object();
    const QString text = content.value(QStringLiteral("content")).toString();
    const QString img = content.value(QStringLiteral("img")).toString();
    QString background =
        QStringLiteral("background:%1;").arg(backgroundColour(img.section(':', -1).toInt()));
    QString photo;
    const QUrl url(img);
    if (img.contains(QStringLiteral("http")) &&
        (url.scheme() == QStringLiteral("http") || url.scheme() == QStringLiteral("https"))) {
        background = QStringLiteral("background:#333;");
        photo =
            QStringLiteral("<img class=\"photo\" src=\"%1\" alt=\"\">").arg(escape(url.toString()));
    }
    return QStringLiteral(R"HTML(<!DOCTYPE html>
<html lang="zh-CN"><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>星笺 · 一个秘密</title>
<style>
body{margin:0;font-family:"PingFang SC","Microsoft YaHei","WenQuanYi Micro Hei",sans-serif;background:#fdf0f5;color:#333}
.card{position:relative;max-width:420px;aspect-ratio:1/1;margin:24px auto 0;border-radius:12px;overflow:hidden;%1display:flex;align-items:center;justify-content:center}
.photo{position:absolute;inset:0;width:100%;height:100%;object-fit:cover;opacity:.85}
.text{position:relative;padding:28px;color:#fff;font-size:22px;line-height:1.6;text-align:center;text-shadow:0 1px 3px rgba(0,0,0,.5);white-space:pre-wrap;word-break:break-word}
.meta{max-width:420px;margin:12px auto;display:flex;gap:24px;justify-content:center;color:#D0246C;font-size:15px}
.foot{text-align:center;color:#999;font-size:13px;margin:20px}
</style></head>
<body>
<div class="card">%2<div class="text">%3</div></div>
<div class="meta"><span>赞 %4</span><span>评论 %5</span></div>
<div class="foot">来自星笺 · 和朋友们匿名分享秘密</div>
</body></html>
)HTML")
        // One call: text already placed is never scanned again for placeholders.
        .arg(background, photo, escape(text), QString::number(likes), QString::number(comments));
}
