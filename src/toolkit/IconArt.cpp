#include "toolkit/IconArt.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <map>

namespace {

constexpr int kScale = 2;
const QColor kPink(0xD0, 0x24, 0x6C);
const QColor kLightPink(0xF8, 0x8B, 0xB5);

using Draw = std::function<void(QPainter&, const QSizeF&, bool pressed)>;

struct Art {
    QSize points;
    Draw draw;
};

QPen stroke(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// White glyphs dim when pressed.
QColor glyphColour(bool pressed) {
    return pressed ? QColor(255, 255, 255, 140) : Qt::white;
}

QFont textFont(int pixelSize, bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void pill(QPainter& p, const QSizeF& s, const QColor& fill, const QColor& text,
          const QString& label, const QColor& border = Qt::transparent) {
    p.setPen(border == Qt::transparent ? Qt::NoPen : QPen(border, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(QPointF(1, 1), s - QSizeF(2, 2)), s.height() / 2 - 1,
                      s.height() / 2 - 1);
    p.setPen(text);
    p.setFont(textFont(static_cast<int>(s.height() * 0.4), true));
    p.drawText(QRectF(QPointF(0, 0), s), Qt::AlignCenter, label);
}

QPainterPath heart(const QPointF& c, double r) {
    QPainterPath path;
    path.moveTo(c.x(), c.y() + r * 0.75);
    path.cubicTo(c.x() - r * 1.6, c.y() - r * 0.2, c.x() - r * 0.6, c.y() - r * 1.25, c.x(),
                 c.y() - r * 0.45);
    path.cubicTo(c.x() + r * 0.6, c.y() - r * 1.25, c.x() + r * 1.6, c.y() - r * 0.2, c.x(),
                 c.y() + r * 0.75);
    return path;
}

const std::map<QString, Art>& catalogue() {
    static const std::map<QString, Art> arts = [] {
        std::map<QString, Art> a;
        auto pair = [&a](const QString& base, QSize points, const Draw& draw) {
            a[base + QStringLiteral("_n")] = {
                points, [draw](QPainter& p, const QSizeF& s, bool) { draw(p, s, false); }};
            a[base + QStringLiteral("_h")] = {
                points, [draw](QPainter& p, const QSizeF& s, bool) { draw(p, s, true); }};
        };
        const QSize bar(44, 44);
        pair(QStringLiteral("btn_navBack"), bar, [](QPainter& p, const QSizeF& s, bool pressed) {
            p.setPen(stroke(glyphColour(pressed), 3));
            p.drawPolyline(QPolygonF({QPointF(s.width() * 0.58, s.height() * 0.28),
                                      QPointF(s.width() * 0.38, s.height() * 0.5),
                                      QPointF(s.width() * 0.58, s.height() * 0.72)}));
        });
        pair(QStringLiteral("btn_close"), bar, [](QPainter& p, const QSizeF& s, bool pressed) {
            p.setPen(stroke(glyphColour(pressed), 3));
            const double a = s.width() * 0.32, b = s.width() * 0.68;
            p.drawLine(QPointF(a, a), QPointF(b, b));
            p.drawLine(QPointF(b, a), QPointF(a, b));
        });
        pair(QStringLiteral("btn_navCollection"), bar,
             [](QPainter& p, const QSizeF& s, bool pressed) {
                 // A letter tray: what the user collected.
                 p.setPen(stroke(glyphColour(pressed), 2.6));
                 const double w = s.width(), h = s.height();
                 QPainterPath tray;
                 tray.moveTo(w * 0.24, h * 0.5);
                 tray.lineTo(w * 0.3, h * 0.28);
                 tray.lineTo(w * 0.7, h * 0.28);
                 tray.lineTo(w * 0.76, h * 0.5);
                 tray.lineTo(w * 0.76, h * 0.72);
                 tray.lineTo(w * 0.24, h * 0.72);
                 tray.closeSubpath();
                 p.drawPath(tray);
                 p.drawPolyline(QPolygonF({QPointF(w * 0.24, h * 0.5), QPointF(w * 0.4, h * 0.5),
                                           QPointF(w * 0.44, h * 0.58), QPointF(w * 0.56, h * 0.58),
                                           QPointF(w * 0.6, h * 0.5), QPointF(w * 0.76, h * 0.5)}));
             });
        pair(QStringLiteral("btn_navWriteSecret"), bar,
             [](QPainter& p, const QSizeF& s, bool pressed) {
                 p.setPen(stroke(glyphColour(pressed), 2.6));
                 const double w = s.width(), h = s.height();
                 p.drawPolygon(QPolygonF({QPointF(w * 0.3, h * 0.7), QPointF(w * 0.34, h * 0.56),
                                          QPointF(w * 0.62, h * 0.28), QPointF(w * 0.72, h * 0.38),
                                          QPointF(w * 0.44, h * 0.66)}));
                 p.drawLine(QPointF(w * 0.56, h * 0.34), QPointF(w * 0.66, h * 0.44));
             });
        pair(QStringLiteral("btn_navSet"), bar, [](QPainter& p, const QSizeF& s, bool pressed) {
            p.setPen(stroke(glyphColour(pressed), 2.4));
            const QPointF c(s.width() / 2, s.height() / 2);
            QPainterPath gear;
            for (int i = 0; i < 16; ++i) {
                const double r = (i % 2 ? 0.22 : 0.28) * s.width();
                const double a = i * M_PI / 8;
                const QPointF point = c + QPointF(std::cos(a) * r, std::sin(a) * r);
                if (i == 0)
                    gear.moveTo(point);
                else
                    gear.lineTo(point);
            }
            gear.closeSubpath();
            p.drawPath(gear);
            p.drawEllipse(c, s.width() * 0.08, s.width() * 0.08);
        });
        pair(QStringLiteral("btn_photo"), bar, [](QPainter& p, const QSizeF& s, bool pressed) {
            p.setPen(stroke(glyphColour(pressed), 2.4));
            const double w = s.width(), h = s.height();
            p.drawRoundedRect(QRectF(w * 0.22, h * 0.34, w * 0.56, h * 0.38), 4, 4);
            p.drawLine(QPointF(w * 0.4, h * 0.34), QPointF(w * 0.44, h * 0.26));
            p.drawLine(QPointF(w * 0.44, h * 0.26), QPointF(w * 0.56, h * 0.26));
            p.drawLine(QPointF(w * 0.56, h * 0.26), QPointF(w * 0.6, h * 0.34));
            p.drawEllipse(QPointF(w * 0.5, h * 0.53), w * 0.1, w * 0.1);
        });
        a[QStringLiteral("btn_change_n")] = {
            bar, [](QPainter& p, const QSizeF& s, bool) {
                p.setPen(stroke(Qt::white, 2.6));
                const QRectF ring(s.width() * 0.28, s.height() * 0.28, s.width() * 0.44,
                                  s.height() * 0.44);
                p.drawArc(ring, 30 * 16, 150 * 16);
                p.drawArc(ring, 210 * 16, 150 * 16);
                p.drawPolyline(QPolygonF({QPointF(s.width() * 0.66, s.height() * 0.24),
                                          QPointF(s.width() * 0.7, s.height() * 0.36),
                                          QPointF(s.width() * 0.58, s.height() * 0.38)}));
            }};
        a[QStringLiteral("btn_cellShare_n")] = {
            bar, [](QPainter& p, const QSizeF& s, bool) {
                p.setPen(stroke(Qt::white, 2.4));
                const double w = s.width(), h = s.height();
                p.drawPolyline(
                    QPolygonF({QPointF(w * 0.38, h * 0.44), QPointF(w * 0.3, h * 0.44),
                               QPointF(w * 0.3, h * 0.72), QPointF(w * 0.7, h * 0.72),
                               QPointF(w * 0.7, h * 0.44), QPointF(w * 0.62, h * 0.44)}));
                p.drawLine(QPointF(w * 0.5, h * 0.58), QPointF(w * 0.5, h * 0.26));
                p.drawPolyline(QPolygonF({QPointF(w * 0.42, h * 0.34), QPointF(w * 0.5, h * 0.26),
                                          QPointF(w * 0.58, h * 0.34)}));
            }};
        a[QStringLiteral("btn_support_yes")] = {
            bar, [](QPainter& p, const QSizeF& s, bool) {
                p.setPen(Qt::NoPen);
                p.setBrush(kLightPink);
                p.drawPath(heart(QPointF(s.width() / 2, s.height() / 2), s.width() * 0.2));
            }};
        a[QStringLiteral("btn_support_no")] = {
            bar, [](QPainter& p, const QSizeF& s, bool) {
                p.setPen(stroke(Qt::white, 2.4));
                p.drawPath(heart(QPointF(s.width() / 2, s.height() / 2), s.width() * 0.2));
            }};
        a[QStringLiteral("btn_comment_n")] = {
            bar, [](QPainter& p, const QSizeF& s, bool) {
                // A speech bubble: the comment button of a secret.
                const double w = s.width(), h = s.height();
                p.setPen(stroke(Qt::white, 2.4));
                p.drawRoundedRect(QRectF(w * 0.26, h * 0.3, w * 0.48, h * 0.34), 5, 5);
                p.drawPolyline(QPolygonF({QPointF(w * 0.38, h * 0.64), QPointF(w * 0.34, h * 0.76),
                                          QPointF(w * 0.5, h * 0.64)}));
            }};
        a[QStringLiteral("btn_more_n")] = {
            bar, [](QPainter& p, const QSizeF& s, bool) {
                // Three dots: a secret's other actions.
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::white);
                for (int i = -1; i <= 1; ++i)
                    p.drawEllipse(QPointF(s.width() / 2 + i * 7, s.height() / 2), 2.4, 2.4);
            }};
        a[QStringLiteral("btn_comment_like")] = {
            QSize(24, 24), [](QPainter& p, const QSizeF& s, bool) {
                p.setPen(Qt::NoPen);
                p.setBrush(kPink);
                p.drawPath(heart(QPointF(s.width() / 2, s.height() / 2), s.width() * 0.3));
            }};
        a[QStringLiteral("btn_comment_lock")] = {
            QSize(16, 18), [](QPainter& p, const QSizeF& s, bool) {
                const QColor grey(0x99, 0x99, 0x99);
                p.setPen(stroke(grey, 1.6));
                p.drawArc(
                    QRectF(s.width() * 0.25, s.height() * 0.06, s.width() * 0.5, s.height() * 0.5),
                    0, 180 * 16);
                p.setPen(Qt::NoPen);
                p.setBrush(grey);
                p.drawRoundedRect(
                    QRectF(s.width() * 0.12, s.height() * 0.4, s.width() * 0.76, s.height() * 0.54),
                    2, 2);
            }};
        pair(QStringLiteral("btn_ok"), QSize(250, 48),
             [](QPainter& p, const QSizeF& s, bool pressed) {
                 pill(p, s, pressed ? kPink.darker(120) : kPink, Qt::white,
                      QStringLiteral("我知道了"));
             });
        pair(QStringLiteral("btn_logoutYes"), QSize(124, 40),
             [](QPainter& p, const QSizeF& s, bool pressed) {
                 pill(p, s, pressed ? kPink.darker(120) : kPink, Qt::white, QStringLiteral("退出"));
             });
        pair(QStringLiteral("btn_logoutNo"), QSize(124, 40),
             [](QPainter& p, const QSizeF& s, bool pressed) {
                 pill(p, s, pressed ? QColor(0xF2, 0xF2, 0xF2) : Qt::white, kPink,
                      QStringLiteral("再想想"), kLightPink);
             });
        a[QStringLiteral("img_swipe")] = {QSize(200, 25), [](QPainter& p, const QSizeF& s, bool) {
                                              pill(p, s, QColor(0, 0, 0, 110), Qt::white,
                                                   QStringLiteral("‹  左右滑动切换背景  ›"));
                                          }};
        a[QStringLiteral("img_tipsBG")] = {QSize(40, 40), [](QPainter& p, const QSizeF& s, bool) {
                                               p.setPen(Qt::NoPen);
                                               p.setBrush(QColor(0x2B, 0x1B, 0x2A, 225));
                                               p.drawRoundedRect(QRectF(QPointF(0, 0), s), 9, 9);
                                           }};
        a[QStringLiteral("img_tipsStand_up")] = {
            QSize(40, 48), [](QPainter& p, const QSizeF& s, bool) {
                // A tip bubble standing on a pointer.
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0x2B, 0x1B, 0x2A, 225));
                p.drawRoundedRect(QRectF(0, 0, s.width(), s.height() - 8), 9, 9);
                p.drawPolygon(QPolygonF({QPointF(12, s.height() - 9), QPointF(22, s.height() - 9),
                                         QPointF(14, s.height())}));
            }};
        a[QStringLiteral("img_tipsPointer")] = {
            QSize(24, 16), [](QPainter& p, const QSizeF& s, bool) {
                // The pointer of a tip: a dark pill with a dot, pointing at what it explains.
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(0x2B, 0x1B, 0x2A, 225));
                p.drawRoundedRect(QRectF(QPointF(0, 0), s), s.height() / 2, s.height() / 2);
                p.setBrush(kLightPink);
                p.drawEllipse(QPointF(s.height() / 2, s.height() / 2), 3, 3);
            }};
        a[QStringLiteral("img_navBar")] = {QSize(320, 64), [](QPainter& p, const QSizeF& s, bool) {
                                               QLinearGradient bar(0, 0, 0, s.height());
                                               bar.setColorAt(0, QColor(0xE0, 0x3A, 0x7E));
                                               bar.setColorAt(1, kPink);
                                               p.fillRect(QRectF(QPointF(0, 0), s), bar);
                                           }};
        a[QStringLiteral("img_arrow")] = {
            QSize(18, 16), [](QPainter& p, const QSizeF& s, bool) {
                // The pointer beside the field being edited.
                p.setPen(Qt::NoPen);
                p.setBrush(kPink);
                p.drawPolygon(QPolygonF(
                    {QPointF(1, s.height() * 0.3), QPointF(s.width() * 0.55, s.height() * 0.3),
                     QPointF(s.width() * 0.55, 1), QPointF(s.width() - 1, s.height() / 2),
                     QPointF(s.width() * 0.55, s.height() - 1),
                     QPointF(s.width() * 0.55, s.height() * 0.7), QPointF(1, s.height() * 0.7)}));
            }};
        // The four ways of sharing: a coloured disc with a white glyph each.
        const QSize disc(50, 50);
        auto shareIcon = [&a, disc](const QString& name, const QColor& colour,
                                    const std::function<void(QPainter&, const QSizeF&)>& glyph) {
            a[name] = {disc, [colour, glyph](QPainter& p, const QSizeF& s, bool) {
                           p.setPen(Qt::NoPen);
                           p.setBrush(colour);
                           p.drawEllipse(QRectF(QPointF(1, 1), s - QSizeF(2, 2)));
                           glyph(p, s);
                       }};
        };
        auto twoBubbles = [](QPainter& p, const QSizeF& s) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(
                QRectF(s.width() * 0.2, s.height() * 0.26, s.width() * 0.4, s.height() * 0.32));
            p.setBrush(QColor(255, 255, 255, 200));
            p.drawEllipse(
                QRectF(s.width() * 0.42, s.height() * 0.42, s.width() * 0.38, s.height() * 0.3));
        };
        shareIcon(QStringLiteral("btn_share_wechat"), QColor(0x2D, 0xB9, 0x5B), twoBubbles);
        shareIcon(QStringLiteral("btn_share_circle"), QColor(0x3A, 0x9B, 0xD9),
                  [](QPainter& p, const QSizeF& s) {
                      p.setPen(stroke(Qt::white, 3));
                      p.setBrush(Qt::NoBrush);
                      const QRectF ring(s.width() * 0.26, s.height() * 0.26, s.width() * 0.48,
                                        s.height() * 0.48);
                      for (int i = 0; i < 6; ++i)
                          p.drawArc(ring, i * 60 * 16, 40 * 16);
                  });
        shareIcon(QStringLiteral("btn_share_weibo"), QColor(0xE6, 0x16, 0x2D),
                  [](QPainter& p, const QSizeF& s) {
                      p.setPen(Qt::NoPen);
                      p.setBrush(Qt::white);
                      p.drawEllipse(QRectF(s.width() * 0.22, s.height() * 0.34, s.width() * 0.5,
                                           s.height() * 0.38));
                      p.setBrush(QColor(0xE6, 0x16, 0x2D));
                      p.drawEllipse(QRectF(s.width() * 0.36, s.height() * 0.46, s.width() * 0.16,
                                           s.height() * 0.14));
                      p.setPen(stroke(Qt::white, 2.5));
                      p.setBrush(Qt::NoBrush);
                      p.drawArc(QRectF(s.width() * 0.56, s.height() * 0.2, s.width() * 0.24,
                                       s.height() * 0.24),
                                -20 * 16, 110 * 16);
                  });
        shareIcon(QStringLiteral("btn_share_message"), kLightPink,
                  [](QPainter& p, const QSizeF& s) {
                      p.setPen(Qt::NoPen);
                      p.setBrush(Qt::white);
                      p.drawRoundedRect(QRectF(s.width() * 0.24, s.height() * 0.28,
                                               s.width() * 0.52, s.height() * 0.36),
                                        5, 5);
                      p.drawPolygon(QPolygonF({QPointF(s.width() * 0.34, s.height() * 0.6),
                                               QPointF(s.width() * 0.46, s.height() * 0.6),
                                               QPointF(s.width() * 0.32, s.height() * 0.74)}));
                  });
        return a;
    }();
    return arts;
}

}  // namespace

QImage IconArt::forName(const QString& name) {
    const auto it = catalogue().find(name);
    if (it == catalogue().end()) return {};
    const QSize pixels = it->second.points * kScale;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(kScale, kScale);
    it->second.draw(painter, QSizeF(it->second.points), false);
    return image;
}

QStringList IconArt::names() {
    QStringList list;
    for (const auto& [name, art] : catalogue())
        list << name;
    return list;
}
