#pragma once

#include "app/core/Paths.h"
#include "tests/support/TestHttpServer.h"
#include "web/PageFetcher.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace tw::test {

// A status bar that records what the fetcher shows; Pump handles pending
// events (the server's among them) and runs a test's hook.
class RecordingView : public FetchView {
public:
    struct GaugeEvent {
        char kind; // 'M' maximum, 'V' value
        int value;
        bool operator==(const GaugeEvent&) const = default;
    };
    std::string status = "(untouched)";
    std::vector<std::string> statusHistory;
    int max = 100;
    int value = 0;
    std::vector<GaugeEvent> gauge;
    std::function<void()> onPump;

    void SetStatusText(const std::string& text) override {
        status = text;
        statusHistory.push_back(text);
    }
    int GaugeMax() const override { return max; }
    void SetGaugeMax(int m) override {
        max = std::max(0, m);
        value = std::clamp(value, 0, max);
        gauge.push_back({'M', m});
    }
    void SetGaugeValue(int v) override {
        value = std::clamp(v, 0, max);
        gauge.push_back({'V', v});
    }
    void Pump() override {
        QCoreApplication::processEvents();
        if (onPump)
            onPump();
    }
};

// A fetcher wired as the main window wires it, with the program folder in a
// temporary folder of its own.
class FetchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        SetProgramFolderForTesting(folder.path().toStdString());
        client.OnWorkBegin = [this](WorkMode m, int n) { fetcher.WorkBegin(m, n); };
        client.OnWork = [this](WorkMode m, int n) { fetcher.Work(m, n); };
        client.OnWorkEnd = [this](WorkMode m) { fetcher.WorkEnd(m); };
    }
    void TearDown() override { SetProgramFolderForTesting({}); }

    std::string DownloadFilePath() const { return folder.path().toStdString() + "/test.html"; }
    std::string DownloadFileBytes() const {
        std::ifstream in(DownloadFilePath(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void WriteDownloadFile(const std::string& bytes) const {
        std::ofstream(DownloadFilePath(), std::ios::binary) << bytes;
    }

    QTemporaryDir folder;
    HttpClient client;
    bool stop = false;
    RecordingView view;
    PageFetcher fetcher{client, stop, view};
    TestHttpServer server;
};

} // namespace tw::test
