#include "toolkit/ShimmerLabel.h"

#include <QPainter>
#include <QTextLayout>
#include <QVariantAnimation>

#include "core/NotificationCenter.h"

namespace {
constexpr double kFadeSpan = 3;  // characters over which one fade runs
constexpr int kMillisPerCharacter = 60;
}  // namespace

ShimmerLabel::ShimmerLabel(QWidget* parent) : QWidget(parent), wave_(new QVariantAnimation(this)) {
    wave_->setStartValue(0.0);
    wave_->setEndValue(1.0);
    wave_->setLoopCount(-1);
    connect(wave_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        progress_ = value.toDouble();
        update();
    });
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, kShimmerStart, [this](const QVariant&) { startShimmering(); });
    center.addObserver(this, kShimmerPause, [this](const QVariant&) { stopShimmering(); });
}

void ShimmerLabel::setText(const QString& text) {
    text_ = text;
    wave_->setDuration(
        std::max(600, static_cast<int>(text_.size() + kFadeSpan) * kMillisPerCharacter));
    update();
}

void ShimmerLabel::setTextColor(const QColor& colour) {
    colour_ = colour;
    update();
}

void ShimmerLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void ShimmerLabel::startShimmering() {
    if (!isShimmering()) wave_->start();
}

void ShimmerLabel::stopShimmering() {
    wave_->stop();
    progress_ = 1;
    update();
}

bool ShimmerLabel::isShimmering() const {
    return wave_->state() == QAbstractAnimation::Running;
}

double ShimmerLabel::characterOpacity(int index) const {
    if (!isShimmering()) return 1;
    const double front = progress_ * (static_cast<double>(text_.size()) + kFadeSpan);
    return std::clamp((front - index) / kFadeSpan, 0.15, 1.0);
}

void ShimmerLabel::paintEvent(QPaintEvent*) {
    if (text_.isEmpty()) return;
    QTextLayout layout(text_, font());
    QTextOption option(alignment_ & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QList<QTextLayout::FormatRange> formats;
    for (int i = 0; i < text_.size(); ++i) {
        QTextCharFormat format;
        QColor colour = colour_;
        colour.setAlphaF(colour_.alphaF() * characterOpacity(i));
        format.setForeground(colour);
        formats.append({i, 1, format});
    }
    layout.setFormats(formats);
    layout.beginLayout();
    double height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    double top = 0;
    if (alignment_ & Qt::AlignVCenter)
        top = (this->height() - height) / 2;
    else if (alignment_ & Qt::AlignBottom)
        top = this->height() - height;
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    layout.draw(&painter, QPointF(0, top));
}
