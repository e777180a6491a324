#include "app/AppDelegate.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "net/NetWorkEngine.h"

AppDelegate::AppDelegate() = default;
AppDelegate::~AppDelegate() = default;

void AppDelegate::didFinishLaunching() {
    window_ = std::make_unique<QWidget>();
    window_->setWindowTitle(QStringLiteral("星笺"));
    window_->setFixedSize(kWindowWidth, kWindowHeight);
    window_->setStyleSheet(QStringLiteral("background: #F88BB5;"));
    auto* layout = new QVBoxLayout(window_.get());
    auto* title = new QLabel(QStringLiteral("星笺"), window_.get());
    title->setObjectName(QStringLiteral("titleLabel"));
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color: white; font-size: 40px; font-weight: bold;"));
    layout->addWidget(title);
    window_->show();

    NetWorkEngine::shareInstance().connectToServer();
}
