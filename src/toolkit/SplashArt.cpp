#include "toolkit/SplashArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>

#include "toolkit/Fonts.h"

namespace {

constexpr int kScale = 2;
constexpr int kWidth = 320;
const QColor kPink(0xD0, 0x24, 0x6C);
const QColor kLightPink(0xF8, 0x8B, 0xB5);
const QColor kMuted(0x9A, 0x4A, 0x6C);

struct PageText {
    const char* headline;
    const char* detail;
};

const std::array<PageText, 4> kPages{{
    {"星笺", "写给闺蜜的小秘密，只在朋友之间流传"},
    {"匿名说", "没有人知道是你写的，说出心里话吧"},
    {"闺蜜圈", "只看得到通讯录里朋友们的秘密"},
    {"温柔以待", "点个赞、留句话，给她一个拥抱"},
}};

QPainterPath star(const QPointF& centre, double outer, double inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double r = i % 2 == 0 ? outer : inner;
        const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heart(const QPointF& c, double r) {
    QPainterPath path;
    path.moveTo(c.x(), c.y() + r * 0.8);
    path.cubicTo(c.x() - r * 1.7, c.y() - r * 0.2, c.x() - r * 0.65, c.y() - r * 1.3, c.x(),
                 c.y() - r * 0.45);
    path.cubicTo(c.x() + r * 0.65, c.y() - r * 1.3, c.x() + r * 1.7, c.y() - r * 0.2, c.x(),
                 c.y() + r * 0.8);
    return path;
}

QImage canvas(int width, int height) {
    QImage image(width * kScale, height * kScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    return image;
}

// The soft pink paper every onboarding picture is drawn on, with a few glowing dots.
void paper(QPainter& p, const QSizeF& size) {
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0xFF, 0xF3, 0xF7));
    sky.setColorAt(1, QColor(0xFB, 0xD3, 0xE3));
    p.fillRect(QRectF(QPointF(0, 0), size), sky);
    p.setPen(Qt::NoPen);
    const std::array<QPointF, 6> dots{
        {{0.12, 0.08}, {0.86, 0.12}, {0.2, 0.42}, {0.9, 0.38}, {0.08, 0.7}, {0.8, 0.66}}};
    for (std::size_t i = 0; i < dots.size(); ++i) {
        const QPointF centre(dots[i].x() * size.width(), dots[i].y() * size.height());
        const double radius = 18 + static_cast<double>(i % 3) * 10;
        QRadialGradient glow(centre, radius);
        glow.setColorAt(0, QColor(0xF8, 0x8B, 0xB5, 70));
        glow.setColorAt(1, QColor(0xF8, 0x8B, 0xB5, 0));
        p.setBrush(glow);
        p.drawEllipse(centre, radius, radius);
    }
}

void envelope(QPainter& p, const QPointF& c, double w) {
    const double h = w * 0.66;
    const QRectF body(c.x() - w / 2, c.y() - h / 2, w, h);
    p.setPen(QPen(kPink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawRoundedRect(body, 10, 10);
    QPainterPath flap;
    flap.moveTo(body.topLeft() + QPointF(4, 4));
    flap.lineTo(c.x(), c.y() + h * 0.08);
    flap.lineTo(body.topRight() + QPointF(-4, 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    p.setPen(Qt::NoPen);
    p.setBrush(kLightPink);
    p.drawPath(star(QPointF(c.x(), c.y() + h * 0.08), w * 0.14, w * 0.06));
}

void bubbles(QPainter& p, const QPointF& c, double w) {
    p.setPen(Qt::NoPen);
    p.setBrush(kLightPink);
    p.drawRoundedRect(QRectF(c.x() - w * 0.5, c.y() - w * 0.42, w * 0.7, w * 0.42), 18, 18);
    p.setBrush(kPink);
    p.drawRoundedRect(QRectF(c.x() - w * 0.2, c.y() + w * 0.04, w * 0.7, w * 0.42), 18, 18);
    // A small padlock on the dark bubble: nobody sees who wrote it.
    const QPointF lock(c.x() + w * 0.15, c.y() + w * 0.25);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(lock.x() - 14, lock.y() - 6, 28, 22), 4, 4);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(lock.x() - 9, lock.y() - 20, 18, 26), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(c.x() - w * 0.32 + i * 18, c.y() - w * 0.21), 4.5, 4.5);
}

void circleOfFriends(QPainter& p, const QPointF& c, double w) {
    const double r = w * 0.36;
    p.setPen(QPen(kLightPink, 2.5, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(Qt::white, 3));
    for (int i = 0; i < 5; ++i) {
        const double angle = -M_PI / 2 + i * 2 * M_PI / 5;
        const QPointF at(c.x() + r * std::cos(angle), c.y() + r * std::sin(angle));
        p.setBrush(i % 2 == 0 ? kPink : kLightPink);
        p.drawEllipse(at, 20, 20);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(at + QPointF(0, -5), 6, 6);
        p.drawPie(QRectF(at.x() - 11, at.y() + 2, 22, 18), 0, 180 * 16);
        p.setPen(QPen(Qt::white, 3));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kPink);
    p.drawPath(heart(c, 22));
}

void hug(QPainter& p, const QPointF& c, double w) {
    p.setPen(Qt::NoPen);
    QRadialGradient glow(c, w * 0.5);
    glow.setColorAt(0, QColor(0xF8, 0x8B, 0xB5, 120));
    glow.setColorAt(1, QColor(0xF8, 0x8B, 0xB5, 0));
    p.setBrush(glow);
    p.drawEllipse(c, w * 0.5, w * 0.5);
    p.setBrush(kPink);
    p.drawPath(heart(c, w * 0.3));
    p.setBrush(Qt::white);
    p.drawPath(heart(c + QPointF(-w * 0.08, -w * 0.06), w * 0.07));
    p.setBrush(kLightPink);
    for (const QPointF offset : {QPointF(-0.42, -0.3), QPointF(0.4, -0.36), QPointF(0.44, 0.22)})
        p.drawPath(star(c + offset * w, 10, 4));
}

void caption(QPainter& p, double top, const QString& headline, const QString& detail) {
    p.setPen(kPink);
    p.setFont(getFontWith(true, 28));
    p.drawText(QRectF(0, top, kWidth, 40), Qt::AlignCenter, headline);
    p.setPen(kMuted);
    p.setFont(getFontWith(false, 14));
    p.drawText(QRectF(20, top + 44, kWidth - 40, 24), Qt::AlignCenter, detail);
}

QImage phoneScreen(bool linking) {
    const int height = 568;
    QImage image = canvas(kWidth, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    paper(p, QSizeF(kWidth, height));
    const QPointF centre(160, linking ? 190 : 200);
    // An address book with a heart on its cover.
    p.setPen(Qt::NoPen);
    p.setBrush(kLightPink);
    p.drawRoundedRect(QRectF(centre.x() - 56, centre.y() - 70, 112, 140), 12, 12);
    p.setBrush(kPink);
    p.drawRoundedRect(QRectF(centre.x() - 50, centre.y() - 70, 106, 140), 12, 12);
    p.setBrush(Qt::white);
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(centre.x() - 62, centre.y() - 52 + i * 32, 16, 8), 4, 4);
    p.drawPath(heart(centre + QPointF(3, -4), 26));
    if (!linking) {
        caption(p, 300, QStringLiteral("找到你的闺蜜"),
                QStringLiteral("从通讯录里找出也在玩星笺的朋友"));
        p.setPen(kMuted);
        p.setFont(getFontWith(false, 12));
        p.drawText(QRectF(30, 370, kWidth - 60, 40), Qt::AlignCenter | Qt::TextWordWrap,
                   QStringLiteral("你的号码只用来匹配朋友，不会被展示给任何人"));
    }
    return image;
}

QImage appIcon() {
    QImage image = canvas(58, 58);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    QLinearGradient fill(0, 0, 58, 58);
    fill.setColorAt(0, kLightPink);
    fill.setColorAt(1, kPink);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0, 0, 58, 58), 13, 13);
    p.setBrush(Qt::white);
    p.drawPath(star(QPointF(29, 30), 19, 8));
    return image;
}

}  // namespace

QImage SplashArt::page(int index, int height) {
    QImage image = canvas(kWidth, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kScale, kScale);
    paper(p, QSizeF(kWidth, height));
    // The buttons and dots take the bottom 150 points; the art sits in what is left.
    const double room = height - 150;
    const QPointF centre(kWidth / 2.0, room * 0.42);
    const double size = std::min(200.0, room * 0.5);
    switch (index) {
        case 0:
            envelope(p, centre, size);
            break;
        case 1:
            bubbles(p, centre, size);
            break;
        case 2:
            circleOfFriends(p, centre, size);
            break;
        default:
            hug(p, centre, size);
            break;
    }
    const PageText& text = kPages.at(static_cast<std::size_t>(std::clamp(index, 0, 3)));
    caption(p, room * 0.42 + size * 0.5 + 24, QString::fromUtf8(text.headline),
            QString::fromUtf8(text.detail));
    return image;
}

QImage SplashArt::forName(const QString& name) {
    static const QRegularExpression splashName(QStringLiteral("^splash(-?)([1-4])$"));
    if (const auto match = splashName.match(name); match.hasMatch())
        return page(match.captured(2).toInt() - 1, match.captured(1).isEmpty() ? 568 : 480);
    if (name == QLatin1String("img_phone1")) return phoneScreen(false);
    if (name == QLatin1String("img_phone2")) return phoneScreen(true);
    if (name == QLatin1String("58x58")) return appIcon();
    return {};
}
