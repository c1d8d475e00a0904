#include "web/HttpClient.h"
#include "tests/support/TestHttpServer.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

struct StringSink : BodySink {
    std::string bytes;
    void Write(const char* data, std::size_t size) override { bytes.append(data, size); }
    void Discard() override { bytes.clear(); }
};

TEST(HttpClient, DownloadsIntoTheSink) {
    TestHttpServer server;
    server.Route("/p", Reply::Ok("hello"));
    HttpClient client;
    StringSink sink;
    EXPECT_NO_THROW(client.Download(server.Url("/p"), sink));
    EXPECT_EQ(sink.bytes, "hello");
    EXPECT_FALSE(client.Busy());
}

} // namespace
} // namespace tw::test
