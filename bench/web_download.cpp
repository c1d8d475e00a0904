// Downloads per second against a local server, one after another, each on a
// new connection, with the download file written and read back: GetPage
// beside the same loop done by a bare blocking socket client (the floor).
#include "app/core/Paths.h"
#include "tests/support/TestHttpServer.h"
#include "web/PageFetcher.h"
#include "web/core/PageText.h"
#include "web/core/Request.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <fstream>
#include <future>
#include <iterator>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const std::string kBody = [] {
    std::string b;
    while (b.size() < 8000)
        b += "<tr><td>golf clubs</td><td>12,345</td></tr>\n";
    return b;
}();

// The server runs on a thread of its own, so that the blocking floor client
// cannot stall it.
class ServerThread {
public:
    ServerThread() {
        std::promise<std::pair<std::string, quint16>> ready;
        auto address = ready.get_future();
        thread_ = QThread::create([&ready] {
            tw::test::TestHttpServer server;
            server.Route("/page?q=golf", tw::test::Reply::Ok(kBody));
            ready.set_value({server.Url("/page?q=golf"), server.Port()});
            QEventLoop loop;
            loop.exec();
        });
        thread_->start();
        std::tie(url, port) = address.get();
    }
    ~ServerThread() {
        thread_->quit();
        thread_->wait();
        delete thread_;
    }
    std::string url;
    quint16 port = 0;

private:
    QThread* thread_ = nullptr;
};

class QuietView : public tw::FetchView {
public:
    void SetStatusText(const std::string&) override {}
    int GaugeMax() const override { return max_; }
    void SetGaugeMax(int max) override { max_ = max; }
    void SetGaugeValue(int) override {}
    void Pump() override { QCoreApplication::processEvents(); }

private:
    int max_ = 0;
};

void BM_GetPage(benchmark::State& state) {
    QTemporaryDir folder;
    tw::SetProgramFolderForTesting(folder.path().toStdString());
    ServerThread server;
    tw::HttpClient client;
    bool stop = false;
    QuietView view;
    tw::PageFetcher fetcher(client, stop, view);
    client.OnWorkBegin = [&](tw::WorkMode m, int n) { fetcher.WorkBegin(m, n); };
    client.OnWork = [&](tw::WorkMode m, int n) { fetcher.Work(m, n); };
    client.OnWorkEnd = [&](tw::WorkMode m) { fetcher.WorkEnd(m); };
    std::string page;
    for (auto _ : state) {
        if (!fetcher.GetPage(server.url, page)) {
            state.SkipWithError("download failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
    tw::SetProgramFolderForTesting({});
}
BENCHMARK(BM_GetPage)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The floor: connect, send the same request, read until close, write the
// file, read it back, with nothing but blocking system calls.
void BM_BareSocketFloor(benchmark::State& state) {
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/test.html";
    ServerThread server;
    const std::string request = tw::BuildRequest(*tw::ParseHttpAddress(server.url), {});
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(server.port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string reply;
    char buffer[65536];
    for (auto _ : state) {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
            ::close(fd);
            state.SkipWithError("connect failed");
            break;
        }
        ::send(fd, request.data(), request.size(), 0);
        reply.clear();
        for (ssize_t n; (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0;)
            reply.append(buffer, static_cast<std::size_t>(n));
        ::close(fd);
        const std::size_t bodyAt = reply.find("\r\n\r\n");
        std::ofstream(path, std::ios::binary | std::ios::trunc) << reply.substr(bodyAt + 4);
        std::ifstream in(path, std::ios::binary);
        const std::string body((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        benchmark::DoNotOptimize(tw::PageTextFromBody(body));
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["floor"] = 1;
}
BENCHMARK(BM_BareSocketFloor)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
