#pragma once

#include <QWidget>
#include <functional>

#include "core/MainQueue.h"

class QGraphicsOpacityEffect;
class QPropertyAnimation;
class QVariantAnimation;

// The progress overlay: a dark rounded box in the middle of its host, with a spinner and an
// optional text, or with a text alone. Fades in and out, and can hide itself after a delay
// and then run a completion; all on the one clock.
class ProgressHud : public QWidget {
    Q_OBJECT
  public:
    enum class Mode { Indeterminate, Text };
    static constexpr int kFadeMillis = 300;

    explicit ProgressHud(QWidget* host);
    // showHUDAddedTo:animated: a new overlay on the view, spinning, with the text, fading in.
    static ProgressHud* showHUDAddedTo(QWidget* view, const QString& text);
    ~ProgressHud() override;

    void setMode(Mode mode);
    Mode mode() const { return mode_; }
    void setLabelText(const QString& text);
    const QString& labelText() const { return labelText_; }

    void show(bool animated);
    void hide(bool animated);
    // hide:afterDelay:complete: — the completion runs once the overlay is hidden.
    void hide(bool animated, double afterDelay, std::function<void()> complete);
    // The common flash: the mode and text, shown with animation, hidden after the delay.
    void flash(Mode mode, const QString& text, double hideAfter,
               std::function<void()> complete = {});
    void setCompletionBlock(std::function<void()> complete) {
        completionBlock_ = std::move(complete);
    }
    bool isShowing() const { return showing_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void finishHiding();
    QRect boxRect() const;

    Mode mode_ = Mode::Indeterminate;
    QString labelText_;
    bool showing_ = false;
    int spinnerAngle_ = 0;
    std::function<void()> completionBlock_;
    MainQueue::TimerId delayedHide_ = 0;
    QGraphicsOpacityEffect* opacity_;
    QPropertyAnimation* fade_;
    QVariantAnimation* spinner_;
};
