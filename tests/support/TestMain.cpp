#include <gtest/gtest.h>
#include <QCoreApplication>

#include "core/MainQueue.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    // Every delay and time-out runs in simulated time.
    MainQueue::shared().useManualClock();
    return RUN_ALL_TESTS();
}
