#pragma once

#include <gtest/gtest.h>
#include <QPushButton>
#include <functional>
#include <memory>

#include "services/RecordingAlertPresenter.h"
#include "support/ScriptedServer.h"
#include "support/TestHome.h"
#include "support/Wait.h"
#include "toolkit/PhoneWindow.h"
#include "toolkit/ViewController.h"

class ProgressHud;

// A screen test: a fresh home, the phone window shown offscreen on the manual clock, and the
// app's shared connection talking to one scripted server for the whole process.
class ScreenTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    static ScriptedServer& server();
    // Waits until that many requests came in during this test; they are read in order.
    bool waitForRequests(std::size_t count);
    const Package& request(std::size_t index) const { return server().requests().at(index); }
    // The requests of one operation received so far in this test (the timeline and its cards
    // send their own requests beside the screen under test).
    std::vector<Package> requestsFor(int32_t subSystem, uint32_t protocol) const;
    // Waits for the first request of that operation; an empty package when none came.
    Package waitForRequest(int32_t subSystem, uint32_t protocol);
    std::size_t requestCount() const { return server().requests().size(); }
    // Answers a request (same protocol id and sequence number) and lets the reply arrive.
    void reply(const Package& request, const std::function<void(Package&)>& body);

    void advance(double seconds);
    // Runs deferred deletions (screens replaced, overlays removed).
    static void flushDeletes();
    // The timeline lives for the whole process, and so do the overlays its reused rows carry:
    // a test that looks at overlays starts without those of earlier tests.
    static void removeOverlays(QWidget* root);

    ViewController* screen() const { return window->topViewController(); }
    template <typename T>
    T* child(const QString& name) const {
        return screen() ? screen()->findChild<T*>(name) : nullptr;
    }
    void click(const QString& name);
    void type(const QString& field, const QString& text);
    // The text of the progress overlay showing on the top screen, or none.
    QString hudText() const;
    QStringList alerts() const;
    QStringList events() const;

    std::unique_ptr<TestHome> home;
    std::unique_ptr<PhoneWindow> window;
};
