#pragma once

#include <functional>

// Runs the Qt event loop until the condition holds. Real bytes on loopback take real (tiny)
// time to arrive; the bound only stops a broken test from hanging, it is never waited out
// by a passing one.
bool waitUntil(const std::function<bool()>& condition, int boundMillis = 10'000);
// Runs the event loop until nothing is pending for a moment: for asserting that something
// did NOT happen after bytes were delivered.
void settle();
