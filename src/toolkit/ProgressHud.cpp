#include "toolkit/ProgressHud.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QVariantAnimation>

#include "toolkit/SpinAnimation.h"

namespace {
constexpr int kBoxPadding = 18;
constexpr int kSpinnerSize = 32;
}  // namespace

ProgressHud::ProgressHud(QWidget* host)
    : QWidget(host),
      opacity_(new QGraphicsOpacityEffect(this)),
      fade_(new QPropertyAnimation(opacity_, "opacity", this)),
      spinner_(spinAnimation(this, 360, 1000, [this](int angle) {
          spinnerAngle_ = angle;
          update();
      })) {
    setObjectName(QStringLiteral("hud"));
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setGraphicsEffect(opacity_);
    fade_->setDuration(kFadeMillis);
    connect(fade_, &QPropertyAnimation::finished, this, [this] {
        if (!showing_) finishHiding();
    });
    host->installEventFilter(this);
    setGeometry(host->rect());
    QWidget::hide();
}

ProgressHud::~ProgressHud() {
    MainQueue::shared().cancel(delayedHide_);
}

void ProgressHud::setMode(Mode mode) {
    mode_ = mode;
    if (mode_ == Mode::Indeterminate && showing_) spinner_->start();
    if (mode_ == Mode::Text) spinner_->stop();
    update();
}

void ProgressHud::setLabelText(const QString& text) {
    labelText_ = text;
    update();
}

ProgressHud* ProgressHud::showHUDAddedTo(QWidget* view, const QString& text) {
    auto* hud = new ProgressHud(view);
    hud->setMode(Mode::Indeterminate);
    hud->setLabelText(text);
    hud->show(true);
    return hud;
}

void ProgressHud::flash(Mode mode, const QString& text, double hideAfter,
                        std::function<void()> complete) {
    setMode(mode);
    setLabelText(text);
    show(true);
    hide(true, hideAfter, std::move(complete));
}

void ProgressHud::show(bool animated) {
    MainQueue::shared().cancel(delayedHide_);
    delayedHide_ = 0;
    showing_ = true;
    setGeometry(parentWidget()->rect());
    raise();
    QWidget::show();
    if (mode_ == Mode::Indeterminate) spinner_->start();
    fade_->stop();
    if (animated) {
        fade_->setStartValue(opacity_->opacity());
        fade_->setEndValue(1.0);
        fade_->start();
    } else {
        opacity_->setOpacity(1.0);
    }
}

void ProgressHud::hide(bool animated) {
    if (!showing_) return;
    showing_ = false;
    fade_->stop();
    if (!animated) {
        finishHiding();
        return;
    }
    fade_->setStartValue(opacity_->opacity());
    fade_->setEndValue(0.0);
    fade_->start();
}

void ProgressHud::hide(bool animated, double afterDelay, std::function<void()> complete) {
    completionBlock_ = std::move(complete);
    MainQueue::shared().cancel(delayedHide_);
    delayedHide_ = MainQueue::shared().after(
        afterDelay,
        [this, animated] {
            delayedHide_ = 0;
            hide(animated);
        },
        this);
}

void ProgressHud::finishHiding() {
    spinner_->stop();
    opacity_->setOpacity(0.0);
    QWidget::hide();
    if (completionBlock_) {
        const std::function<void()> complete = std::move(completionBlock_);
        completionBlock_ = nullptr;
        complete();
    }
}

QRect ProgressHud::boxRect() const {
    const QFontMetrics metrics(font());
    const QRect text = labelText_.isEmpty()
                           ? QRect()
                           : metrics.boundingRect(QRect(0, 0, width() - 80, 200),
                                                  Qt::AlignCenter | Qt::TextWordWrap, labelText_);
    int boxWidth = text.width() + 2 * kBoxPadding;
    int boxHeight = text.height() + 2 * kBoxPadding;
    if (mode_ == Mode::Indeterminate) {
        boxWidth = std::max(boxWidth, kSpinnerSize + 2 * kBoxPadding + 20);
        boxHeight += kSpinnerSize + (labelText_.isEmpty() ? 0 : 10);
    }
    return {(width() - boxWidth) / 2, (height() - boxHeight) / 2, boxWidth, boxHeight};
}

void ProgressHud::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect box = boxRect();
    QPainterPath rounded;
    rounded.addRoundedRect(box, 10, 10);
    painter.fillPath(rounded, QColor(0, 0, 0, 200));
    int textTop = box.top() + kBoxPadding;
    if (mode_ == Mode::Indeterminate) {
        const QRect spinner(box.center().x() - kSpinnerSize / 2, box.top() + kBoxPadding,
                            kSpinnerSize, kSpinnerSize);
        painter.setPen(QPen(QColor(255, 255, 255, 60), 3));
        painter.drawEllipse(spinner.adjusted(2, 2, -2, -2));
        painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(spinner.adjusted(2, 2, -2, -2), -spinnerAngle_ * 16, 90 * 16);
        textTop = spinner.bottom() + 10;
    }
    if (!labelText_.isEmpty()) {
        painter.setPen(Qt::white);
        painter.drawText(QRect(box.left() + kBoxPadding, textTop, box.width() - 2 * kBoxPadding,
                               box.bottom() - kBoxPadding - textTop),
                         Qt::AlignCenter | Qt::TextWordWrap, labelText_);
    }
}

bool ProgressHud::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}
