#include "web/core/ReplyFraming.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

// Records the framing's events as text: H<status> for a head, B<n> for a
// body cycle's begin, D<bytes> for data, E for a cycle's end.
struct Recorder : ReplyListener {
    std::string events;
    std::string body;
    int stopAfterData = -1;
    bool OnHead(const ReplyHead& head) override {
        events += "H" + std::to_string(head.status) + " ";
        return true;
    }
    bool OnBodyBegin(std::uint64_t n) override {
        events += "B" + std::to_string(n) + " ";
        return true;
    }
    bool OnBodyData(const char* data, std::size_t size) override {
        body.append(data, size);
        events += "D" + std::string(data, size) + " ";
        return stopAfterData < 0 || static_cast<int>(body.size()) < stopAfterData;
    }
    bool OnBodyEnd() override {
        events += "E ";
        return true;
    }
};

using State = ReplyFramer::State;

struct Framed {
    State state;
    std::string events;
    std::string body;
};

// Feeds the reply in pieces of the given size (0: all at once), then the
// close when eof is set.
Framed Frame(const std::string& reply, std::size_t piece = 0, bool eof = true) {
    Recorder r;
    ReplyFramer framer(r);
    if (piece == 0)
        piece = reply.size() + 1;
    for (std::size_t i = 0; i < reply.size() && !framer.Finished(); i += piece)
        framer.Feed(std::string_view(reply).substr(i, piece));
    if (eof)
        framer.FeedEof();
    return {framer.CurrentState(), r.events, r.body};
}

TEST(ReplyFraming, FramesEveryKindOfBody) {
    struct Case {
        const char* name;
        std::string reply;
        bool eof;
        State state;
        std::string body;
    } cases[] = {
        {"length", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello", false, State::Done, "hello"},
        {"length, extra bytes ignored", "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nhello", false, State::Done, "he"},
        {"empty length", "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", false, State::Done, ""},
        {"until close", "HTTP/1.1 200 OK\r\n\r\nabc\ndef", true, State::Done, "abc\ndef"},
        {"until close, still open", "HTTP/1.1 200 OK\r\n\r\nabc", false, State::Body, "abc"},
        {"chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n2;x=y\r\nde\r\n0\r\n\r\n", false,
         State::Done, "abcde"},
        {"chunked with trailer", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1\r\nz\r\n0\r\nT: 1\r\n\r\n",
         false, State::Done, "z"},
        {"100 skipped", "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\nx", false,
         State::Done, "x"},
        {"304 has no body", "HTTP/1.1 304 Not Modified\r\nContent-Length: 9\r\n\r\n", false, State::Done, ""},
        {"truncated length", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nshort", true, State::Failed, "short"},
        {"truncated chunk", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nab", true, State::Failed, "ab"},
        {"bad status", "HTTP/1.1 2OO OK\r\n\r\n", true, State::Failed, ""},
        {"not http", "garbage\r\n\r\n", true, State::Failed, ""},
        {"bad length", "HTTP/1.1 200 OK\r\nContent-Length: 1x\r\n\r\n", true, State::Failed, ""},
        {"bad chunk size", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n", true, State::Failed, ""},
        {"nothing at all", "", true, State::Failed, ""},
        {"head cut", "HTTP/1.1 200 OK\r\nContent-Le", true, State::Failed, ""},
        {"head over 64 KiB", "HTTP/1.1 200 OK\r\nX: " + std::string(70000, 'a') + "\r\n\r\n", false, State::Failed, ""},
        {"head of 60 KiB", "HTTP/1.1 200 OK\r\nX: " + std::string(60000, 'a') + "\r\nContent-Length: 1\r\n\r\n!", false,
         State::Done, "!"},
    };
    for (const auto& c : cases) {
        for (const std::size_t piece : {std::size_t{0}, std::size_t{1}, std::size_t{7}}) {
            const Framed f = Frame(c.reply, piece, c.eof);
            EXPECT_EQ(f.state, c.state) << c.name << " in pieces of " << piece << ": " << f.events;
            EXPECT_EQ(f.body, c.body) << c.name << " in pieces of " << piece;
        }
    }
}

TEST(ReplyFraming, GivesOneCyclePerBodyAndPerChunk) {
    EXPECT_EQ(Frame("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nabc", 0, false).events, "H200 B3 Dabc E ");
    EXPECT_EQ(Frame("HTTP/1.1 200 OK\r\n\r\nab", 0, true).events, "H200 B0 Dab E ");
    EXPECT_EQ(Frame("HTTP/1.1 204 No Content\r\n\r\n", 0, false).events, "H204 ");
    EXPECT_EQ(
        Frame("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n2\r\nde\r\n0\r\n\r\n", 0, false).events,
        "H200 B3 Dabc E B2 Dde E ");
    EXPECT_EQ(Frame("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 302 Found\r\nContent-Length: 1\r\n\r\nr", 0, false).events,
              "H100 H302 B1 Dr E ");
}

TEST(ReplyFraming, ReportsHeadFields) {
    struct HeadRecorder : Recorder {
        ReplyHead head;
        bool OnHead(const ReplyHead& h) override {
            head = h;
            return true;
        }
    } r;
    ReplyFramer framer(r);
    framer.Feed(
        "HTTP/1.1 302 Found\r\nset-cookie: a=1\r\nLocation: /x\r\nSet-Cookie: b=2\r\nContent-Length: 0\r\n\r\n");
    EXPECT_EQ(framer.CurrentState(), State::Done);
    EXPECT_EQ(r.head.status, 302);
    EXPECT_EQ(r.head.Field("location"), "/x");
    EXPECT_EQ(r.head.Fields("Set-Cookie"), (std::vector<std::string>{"a=1", "b=2"}));
    EXPECT_EQ(r.head.contentLength, std::optional<std::uint64_t>(0));
}

TEST(ReplyFraming, ListenerCanStopTheFraming) {
    Recorder r;
    r.stopAfterData = 2;
    ReplyFramer framer(r);
    framer.Feed("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nab");
    EXPECT_EQ(framer.CurrentState(), State::Stopped);
    framer.Feed("cdef");
    EXPECT_EQ(r.body, "ab") << "nothing is taken in after a stop";
}

} // namespace
} // namespace tw
