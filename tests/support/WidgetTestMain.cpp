#include <gtest/gtest.h>
#include <QApplication>

#include "core/MainQueue.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MainQueue::shared().useManualClock();
    return RUN_ALL_TESTS();
}
