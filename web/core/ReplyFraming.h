#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tw {

// The head of one reply.
struct ReplyHead {
    int status = 0;
    std::vector<std::pair<std::string, std::string>> fields;
    std::optional<std::uint64_t> contentLength;
    bool chunked = false;

    // The first field of that name (letter case ignored), or empty.
    std::string Field(std::string_view name) const;
    // Every field of that name, in their order.
    std::vector<std::string> Fields(std::string_view name) const;
};

// What the framing reports while it takes a reply apart. A body arrives in
// cycles: one for a body of announced length or read until close, one per
// chunk of a chunked body (with the chunk's length announced). Returning
// false from any of these stops the framing (state Stopped).
class ReplyListener {
public:
    virtual ~ReplyListener() = default;
    // Every head, a skipped status 100 included.
    virtual bool OnHead(const ReplyHead& head) = 0;
    virtual bool OnBodyBegin(std::uint64_t announced) = 0;
    virtual bool OnBodyData(const char* data, std::size_t size) = 0;
    virtual bool OnBodyEnd() = 0;
};

// Frames the bytes of one connection into one final reply (status 100 heads
// are skipped), on a maintained HTTP/1.1 parser. Heads are limited to 64 KiB;
// bodies are not limited. Bytes after the reply are ignored.
class ReplyFramer {
public:
    enum class State {
        AwaitingHead, // no final head yet
        Body,         // a body of announced length, or one read until close
        ChunkedBody,  // chunked
        Done,
        Failed,
        Stopped,
    };
    static constexpr std::uint32_t kHeaderLimit = 65536;

    explicit ReplyFramer(ReplyListener& listener);
    ~ReplyFramer();
    ReplyFramer(const ReplyFramer&) = delete;
    ReplyFramer& operator=(const ReplyFramer&) = delete;

    void Feed(std::string_view bytes);
    // The peer closed the connection.
    void FeedEof();

    State CurrentState() const { return state_; }
    bool Finished() const { return state_ == State::Done || state_ == State::Failed || state_ == State::Stopped; }
    // Why the framing failed.
    const std::string& Error() const { return error_; }

private:
    class Impl;
    friend class Impl;
    void Fail(std::string why);
    std::unique_ptr<Impl> impl_;
    ReplyListener& listener_;
    State state_ = State::AwaitingHead;
    std::string error_;
};

} // namespace tw
