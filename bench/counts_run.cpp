// A "Gather Data" run over 1,000 rows against a local server: rows per
// second, and the longest stretch of the run in which the window handled no
// events (a timer ticking every 2 ms is late by that much). Beside it, the
// same 3,000 downloads made one after another with GetPage alone, as the
// floor that the run's own work adds to.
#include "app/FMain.h"
#include "app/Startup.h"
#include "app/core/Paths.h"
#include "app/ui/FailureReport.h"
#include "app/ui/MessageBox.h"
#include "counts/FSelectSearch.h"
#include "tests/support/TestHttpServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 1000;

// One page that holds every engine's markers, so that every request stores
// a count.
const std::string kPage = "<html><font size=-1>Results <b>1</b> - <b>10</b> of about <b>2,340</b> for x"
                          "<span id=\"infototal\">1,234</span>"
                          "<span id=\"count\">1-10 of 5,678 results</span></html>";

struct LocalEngines {
    QTemporaryDir folder;
    tw::test::TestHttpServer server;
    LocalEngines() {
        tw::SetProgramFolderForTesting(folder.path().toStdString());
        server.SetFallback(tw::test::Reply::Ok(kPage));
        const QByteArray host = QByteArray::fromStdString(server.HostPort());
        for (const char* variable : {"TARNWICK_GOOGLE_HOST", "TARNWICK_YAHOO_HOST", "TARNWICK_MSN_HOST"})
            qputenv(variable, host);
    }
};

// Ticks every 2 ms and keeps the longest time between two ticks.
class StallMeter {
public:
    StallMeter() {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 now = clock_.nsecsElapsed();
            longest_ = std::max(longest_, now - last_);
            last_ = now;
        });
    }
    void Start() {
        clock_.start();
        last_ = 0;
        longest_ = 0;
        timer_.start(2);
    }
    double StopMs() {
        timer_.stop();
        longest_ = std::max(longest_, clock_.nsecsElapsed() - last_);
        return static_cast<double>(longest_) / 1e6;
    }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

void FillRows(tw::TfrmMain& window) {
    window.Items.ClearRows();
    for (int i = 0; i < kRows; ++i)
        window.Items.AddKeywordRow(i + 1, "keyword number " + std::to_string(i), "");
}

void BM_GatherDataRun(benchmark::State& state) {
    LocalEngines engines;
    tw::TfrmMain window;
    window.show();
    StallMeter stalls;
    double longestStall = 0;
    std::size_t requests = 0;
    for (auto _ : state) {
        state.PauseTiming();
        FillRows(window);
        const std::size_t before = engines.server.Targets().size();
        state.ResumeTiming();
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<tw::TfrmSelSearch*>(QApplication::activeModalWidget()))
                QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
        });
        stalls.Start();
        QTest::mouseClick(window.btnGatherData, Qt::LeftButton);
        longestStall = std::max(longestStall, stalls.StopMs());
        requests += engines.server.Targets().size() - before;
        if (window.Items.GetCell(kRows - 1, 5) != "5,678 results")
            state.SkipWithError("the run did not fill every row");
    }
    state.counters["rows_per_s"] = benchmark::Counter(
        static_cast<double>(kRows) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["longest_stall_ms"] = longestStall;
    state.counters["requests"] = static_cast<double>(requests);
}
BENCHMARK(BM_GatherDataRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The floor: the same downloads through GetPage, without the run.
void BM_GetPageFloor(benchmark::State& state) {
    LocalEngines engines;
    tw::TfrmMain window;
    window.show();
    const std::string address = "http://" + engines.server.HostPort() + "/search?q=x";
    StallMeter stalls;
    double longestStall = 0;
    for (auto _ : state) {
        stalls.Start();
        for (int i = 0; i < 3 * kRows; ++i) {
            window.StopRequested = false;
            std::string page;
            if (!window.GetPage(address, page))
                state.SkipWithError("a download failed");
        }
        longestStall = std::max(longestStall, stalls.StopMs());
    }
    state.counters["rows_per_s"] = benchmark::Counter(
        static_cast<double>(kRows) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["longest_stall_ms"] = longestStall;
    state.counters["floor"] = 1;
}
BENCHMARK(BM_GetPageFloor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tw::InitBuiltInResources();
    tw::FailureReport::SetPresenter([](const tw::FailureReport::Entry&) {});
    tw::MessageBoxSeam::SetFallback(
        [](const std::string&, tw::MessageButtons) { return static_cast<int>(tw::mrCancel); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
