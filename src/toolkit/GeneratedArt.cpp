#include "toolkit/GeneratedArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>
#include <array>
#include <cmath>
#include <random>

namespace {

// Deep enough for white text; the app's pinks first.
const std::array<std::pair<QColor, QColor>, GeneratedArt::kBackgroundCount> kSkies{{
    {QColor(0xD0, 0x24, 0x6C), QColor(0x7A, 0x1C, 0x5C)},  // rose
    {QColor(0x9B, 0x3D, 0xC4), QColor(0x4A, 0x1E, 0x7A)},  // violet
    {QColor(0x2F, 0x6B, 0xB5), QColor(0x1C, 0x2E, 0x6B)},  // night blue
    {QColor(0x1F, 0x8A, 0x84), QColor(0x0F, 0x4A, 0x5A)},  // teal
    {QColor(0xC2, 0x4E, 0x3A), QColor(0x7A, 0x22, 0x3A)},  // coral dusk
    {QColor(0x6A, 0x4C, 0x9C), QColor(0x2E, 0x2A, 0x5E)},  // lavender night
    {QColor(0xB8, 0x3B, 0x7E), QColor(0x5C, 0x2A, 0x8A)},  // orchid
    {QColor(0x3E, 0x7D, 0x5A), QColor(0x1E, 0x44, 0x3C)},  // forest
    {QColor(0xA6, 0x5E, 0x2E), QColor(0x5E, 0x2C, 0x2C)},  // amber
    {QColor(0x4B, 0x5E, 0xAA), QColor(0x25, 0x2B, 0x5C)},  // indigo
    {QColor(0x8E, 0x2F, 0x4F), QColor(0x3C, 0x1A, 0x36)},  // wine
    {QColor(0x35, 0x50, 0x70), QColor(0x1B, 0x26, 0x3B)},  // slate
}};

QColor soft(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

// A different light pattern over each sky.
void drawPattern(QPainter& painter, int index, double side) {
    std::mt19937 random(static_cast<uint32_t>(index) * 2654435761u + 7u);
    auto unit = [&random] { return std::uniform_real_distribution<double>(0, 1)(random); };
    painter.setPen(Qt::NoPen);
    switch (index % 6) {
        case 0:  // glowing bubbles
            for (int i = 0; i < 9; ++i) {
                const QPointF centre(unit() * side, unit() * side);
                const double radius = side * (0.06 + unit() * 0.16);
                QRadialGradient glow(centre, radius);
                glow.setColorAt(0, soft(Qt::white, 46));
                glow.setColorAt(1, soft(Qt::white, 0));
                painter.setBrush(glow);
                painter.drawEllipse(centre, radius, radius);
            }
            break;
        case 1:  // stars
            for (int i = 0; i < 60; ++i) {
                const double r = side * (0.002 + unit() * 0.005);
                painter.setBrush(soft(Qt::white, 60 + static_cast<int>(unit() * 120)));
                painter.drawEllipse(QPointF(unit() * side, unit() * side), r, r);
            }
            break;
        case 2: {  // waves
            painter.setBrush(Qt::NoBrush);
            for (int w = 0; w < 5; ++w) {
                QPainterPath wave;
                const double base = side * (0.55 + w * 0.09);
                wave.moveTo(0, base);
                for (double x = 0; x <= side; x += side / 40)
                    wave.lineTo(x, base + std::sin(x / side * 6.283 * 1.5 + w) * side * 0.03);
                painter.setPen(QPen(soft(Qt::white, 40 - w * 5), side * 0.006));
                painter.drawPath(wave);
            }
            break;
        }
        case 3:  // diagonal light
            for (int i = 0; i < 4; ++i) {
                painter.setBrush(soft(Qt::white, 14 + i * 4));
                const double start = side * (0.1 + i * 0.22);
                QPolygonF band({QPointF(start, 0), QPointF(start + side * 0.12, 0),
                                QPointF(start + side * 0.12 - side, side),
                                QPointF(start - side, side)});
                painter.drawPolygon(band);
            }
            break;
        case 4:  // petals falling
            for (int i = 0; i < 18; ++i) {
                painter.save();
                painter.translate(unit() * side, unit() * side);
                painter.rotate(unit() * 360);
                painter.setBrush(
                    soft(QColor(0xFF, 0xD6, 0xE7), 40 + static_cast<int>(unit() * 50)));
                const double r = side * (0.012 + unit() * 0.02);
                painter.drawEllipse(QPointF(0, 0), r * 1.8, r);
                painter.restore();
            }
            break;
        default:  // soft rings
            painter.setBrush(Qt::NoBrush);
            for (int i = 0; i < 6; ++i) {
                painter.setPen(QPen(soft(Qt::white, 26), side * 0.004));
                const double r = side * (0.12 + i * 0.11);
                painter.drawEllipse(QPointF(side * 0.85, side * 0.15), r, r);
            }
            break;
    }
}

QPainterPath glyph(int shape, double size) {
    QPainterPath path;
    const double s = size;
    switch (shape % 10) {
        case 0:  // heart
            path.moveTo(0, s * 0.35);
            path.cubicTo(-s * 0.9, -s * 0.25, -s * 0.35, -s * 0.85, 0, -s * 0.35);
            path.cubicTo(s * 0.35, -s * 0.85, s * 0.9, -s * 0.25, 0, s * 0.35);
            break;
        case 1:  // star
            for (int i = 0; i < 10; ++i) {
                const double r = i % 2 ? s * 0.25 : s * 0.6;
                const double a = -M_PI / 2 + i * M_PI / 5;
                const QPointF p(std::cos(a) * r, std::sin(a) * r);
                if (i == 0)
                    path.moveTo(p);
                else
                    path.lineTo(p);
            }
            path.closeSubpath();
            break;
        case 2: {  // moon
            QPainterPath disc, bite;
            disc.addEllipse(QPointF(0, 0), s * 0.5, s * 0.5);
            bite.addEllipse(QPointF(s * 0.22, -s * 0.12), s * 0.42, s * 0.42);
            path = disc.subtracted(bite);
            break;
        }
        case 3:  // flower
            for (int i = 0; i < 5; ++i) {
                const double a = i * 2 * M_PI / 5;
                path.addEllipse(QPointF(std::cos(a) * s * 0.28, std::sin(a) * s * 0.28), s * 0.2,
                                s * 0.2);
            }
            path.setFillRule(Qt::WindingFill);
            break;
        case 4:  // leaf
            path.moveTo(0, -s * 0.55);
            path.cubicTo(s * 0.55, -s * 0.2, s * 0.3, s * 0.45, 0, s * 0.55);
            path.cubicTo(-s * 0.3, s * 0.45, -s * 0.55, -s * 0.2, 0, -s * 0.55);
            break;
        case 5:  // drop
            path.moveTo(0, -s * 0.55);
            path.cubicTo(s * 0.45, 0, s * 0.45, s * 0.5, 0, s * 0.5);
            path.cubicTo(-s * 0.45, s * 0.5, -s * 0.45, 0, 0, -s * 0.55);
            break;
        case 6:  // cloud
            path.addEllipse(QPointF(-s * 0.22, s * 0.05), s * 0.24, s * 0.24);
            path.addEllipse(QPointF(s * 0.05, -s * 0.12), s * 0.3, s * 0.3);
            path.addEllipse(QPointF(s * 0.3, s * 0.08), s * 0.22, s * 0.22);
            path.addRect(QRectF(-s * 0.22, s * 0.05, s * 0.52, s * 0.24));
            path.setFillRule(Qt::WindingFill);
            break;
        case 7:  // sun
            path.addEllipse(QPointF(0, 0), s * 0.26, s * 0.26);
            for (int i = 0; i < 8; ++i) {
                const double a = i * M_PI / 4;
                path.addEllipse(QPointF(std::cos(a) * s * 0.45, std::sin(a) * s * 0.45), s * 0.07,
                                s * 0.07);
            }
            path.setFillRule(Qt::WindingFill);
            break;
        case 8:  // diamond
            path.moveTo(0, -s * 0.55);
            path.lineTo(s * 0.4, 0);
            path.lineTo(0, s * 0.55);
            path.lineTo(-s * 0.4, 0);
            path.closeSubpath();
            break;
        default:  // clover
            for (int i = 0; i < 4; ++i) {
                const double a = M_PI / 4 + i * M_PI / 2;
                path.addEllipse(QPointF(std::cos(a) * s * 0.2, std::sin(a) * s * 0.2), s * 0.22,
                                s * 0.22);
            }
            path.setFillRule(Qt::WindingFill);
            break;
    }
    return path;
}

}  // namespace

QImage GeneratedArt::background(int index, int side) {
    const int i = ((index % kBackgroundCount) + kBackgroundCount) % kBackgroundCount;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, side, side);
    sky.setColorAt(0, kSkies[static_cast<std::size_t>(i)].first);
    sky.setColorAt(1, kSkies[static_cast<std::size_t>(i)].second);
    painter.fillRect(image.rect(), sky);
    drawPattern(painter, i, side);
    // A gentle darkening in the middle, where the text sits.
    QRadialGradient shade(QPointF(side / 2.0, side / 2.0), side * 0.6);
    shade.setColorAt(0, QColor(0, 0, 0, 40));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(image.rect(), shade);
    return image;
}

QImage GeneratedArt::avatar(int index, int side) {
    const int i = ((index % kAvatarCount) + kAvatarCount) % kAvatarCount;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    if (i == 0) {  // the secret's author: the app's own pink with a crown
        painter.setBrush(QColor(0xD0, 0x24, 0x6C));
        painter.drawEllipse(QRectF(0, 0, side, side));
        QPainterPath crown;
        const double s = side;
        crown.moveTo(s * 0.25, s * 0.66);
        crown.lineTo(s * 0.22, s * 0.36);
        crown.lineTo(s * 0.38, s * 0.5);
        crown.lineTo(s * 0.5, s * 0.3);
        crown.lineTo(s * 0.62, s * 0.5);
        crown.lineTo(s * 0.78, s * 0.36);
        crown.lineTo(s * 0.75, s * 0.66);
        crown.closeSubpath();
        painter.setBrush(Qt::white);
        painter.drawPath(crown);
        return image;
    }
    const QColor base = QColor::fromHsv((i * 37) % 360, 110, 235);
    painter.setBrush(base);
    painter.drawEllipse(QRectF(0, 0, side, side));
    painter.translate(side / 2.0, side / 2.0);
    QPainterPath shape = glyph(i - 1, side * 0.62);
    if (i > 10) {  // the second ten: outlined, round the union of the shape's pieces
        shape = shape.simplified();
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::white, side * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        painter.setBrush(Qt::white);
    }
    painter.drawPath(shape);
    return image;
}

QImage GeneratedArt::forName(const QString& name) {
    static const QRegularExpression backgroundName(
        QStringLiteral("^img_secretCell_background_(\\d{1,2})$"));
    static const QRegularExpression avatarName(QStringLiteral("^(\\d{1,2})$"));
    if (const auto match = backgroundName.match(name); match.hasMatch()) {
        const int index = match.captured(1).toInt();
        if (index < kBackgroundCount) return background(index);
    }
    if (const auto match = avatarName.match(name); match.hasMatch()) {
        const int index = match.captured(1).toInt();
        if (index < kAvatarCount) return avatar(index);
    }
    return {};
}
