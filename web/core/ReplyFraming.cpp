#include "web/core/ReplyFraming.h"
#include "web/core/Ascii.h"

// The parser's inlined optional<> fields trip a false maybe-uninitialized
// warning in GCC 12.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <boost/beast/core/buffers_range.hpp>
#include <boost/beast/http/error.hpp>
#include <boost/beast/http/message.hpp>
#include <boost/beast/http/parser.hpp>
#include <boost/optional.hpp>

#include <cctype>
#include <functional>
#include <limits>

namespace tw {

namespace http = boost::beast::http;
using boost::beast::error_code;

namespace {
// A body that is never stored: every piece goes straight to a callback, so a
// body of any size passes through without being held.
struct StreamedBody {
    struct value_type {
        std::function<bool(const char*, std::size_t)> sink;
    };

    class reader {
    public:
        template <bool isRequest, class Fields>
        reader(http::header<isRequest, Fields>&, value_type& body) : body_(body) {}

        void init(const boost::optional<std::uint64_t>&, error_code& ec) { ec = {}; }

        template <class ConstBufferSequence> std::size_t put(const ConstBufferSequence& buffers, error_code& ec) {
            ec = {};
            std::size_t taken = 0;
            for (const auto b : boost::beast::buffers_range_ref(buffers)) {
                if (!body_.sink(static_cast<const char*>(b.data()), b.size())) {
                    ec = make_error_code(boost::system::errc::operation_canceled);
                    return taken;
                }
                taken += b.size();
            }
            return taken;
        }

        void finish(error_code& ec) { ec = {}; }

    private:
        value_type& body_;
    };
};

bool HasNoBody(int status) {
    return (status >= 100 && status < 200) || status == 204 || status == 304;
}
} // namespace

std::string ReplyHead::Field(std::string_view name) const {
    for (const auto& [n, v] : fields)
        if (EqualsNoCase(n, name))
            return v;
    return {};
}

std::vector<std::string> ReplyHead::Fields(std::string_view name) const {
    std::vector<std::string> values;
    for (const auto& [n, v] : fields)
        if (EqualsNoCase(n, name))
            values.push_back(v);
    return values;
}

class ReplyFramer::Impl {
public:
    explicit Impl(ReplyFramer& owner) : owner_(owner) {
        onChunkHeader_ = [this](std::uint64_t size, boost::string_view, error_code& ec) {
            ec = {};
            if (!EndCycle() || (size > 0 && !BeginCycle(size)))
                Cancel(ec);
        };
        NewParser();
    }

    void NewParser() {
        parser_.emplace();
        parser_->header_limit(kHeaderLimit);
        // Unlimited. Not boost::none: Boost 1.74 compares a Content-Length
        // against an empty limit as "greater" and refuses every such body.
        parser_->body_limit(std::numeric_limits<std::uint64_t>::max());
        parser_->eager(false);
        parser_->on_chunk_header(onChunkHeader_);
        parser_->get().body().sink = [this](const char* data, std::size_t size) {
            if (stopped_)
                return false;
            if (!owner_.listener_.OnBodyData(data, size))
                stopped_ = true;
            return !stopped_;
        };
        headSeen_ = false;
    }

    void Run() {
        std::size_t offset = 0;
        while (!owner_.Finished()) {
            if (offset == pending_.size() && !(headSeen_ && parser_->is_done()))
                break;
            error_code ec;
            std::size_t used = 0;
            if (!parser_->is_done())
                used = parser_->put(boost::asio::const_buffer(pending_.data() + offset, pending_.size() - offset), ec);
            offset += used;
            if (ec == http::error::need_more)
                break;
            if (!Check(ec) || !AfterPut())
                break;
            if (used == 0 && !parser_->is_done())
                break;
        }
        pending_.erase(0, offset);
    }

    void Eof() {
        error_code ec;
        if (parser_->is_done() || !parser_->got_some())
            return;
        parser_->put_eof(ec);
        if (Check(ec))
            AfterPut();
    }

    std::string pending_;

private:
    bool Check(const error_code& ec) {
        if (stopped_) {
            owner_.state_ = State::Stopped;
            return false;
        }
        if (ec) {
            owner_.Fail(ec.message());
            return false;
        }
        return true;
    }

    void Cancel(error_code& ec) {
        stopped_ = true;
        ec = make_error_code(boost::system::errc::operation_canceled);
    }

    bool BeginCycle(std::uint64_t announced) {
        cycleOpen_ = true;
        return owner_.listener_.OnBodyBegin(announced);
    }
    bool EndCycle() {
        if (!cycleOpen_)
            return true;
        cycleOpen_ = false;
        return owner_.listener_.OnBodyEnd();
    }

    // What follows a put: a new head, or the end of the reply.
    bool AfterPut() {
        if (!headSeen_ && parser_->is_header_done()) {
            headSeen_ = true;
            const auto& message = parser_->get();
            ReplyHead head;
            head.status = static_cast<int>(message.result_int());
            for (const auto& field : message.base())
                head.fields.emplace_back(std::string(field.name_string()), std::string(field.value()));
            if (const auto length = parser_->content_length())
                head.contentLength = *length;
            head.chunked = parser_->chunked();
            if (!owner_.listener_.OnHead(head)) {
                owner_.state_ = State::Stopped;
                return false;
            }
            if (head.status == 100) {
                NewParser();
                return true;
            }
            if (head.chunked) {
                owner_.state_ = State::ChunkedBody;
            } else {
                owner_.state_ = State::Body;
                if (!HasNoBody(head.status) && !BeginCycle(head.contentLength.value_or(0))) {
                    owner_.state_ = State::Stopped;
                    return false;
                }
            }
        }
        if (headSeen_ && parser_->is_done()) {
            if (!EndCycle()) {
                owner_.state_ = State::Stopped;
                return false;
            }
            owner_.state_ = State::Done;
            return false;
        }
        return true;
    }

    ReplyFramer& owner_;
    std::optional<http::response_parser<StreamedBody>> parser_;
    std::function<void(std::uint64_t, boost::string_view, error_code&)> onChunkHeader_;
    bool headSeen_ = false;
    bool cycleOpen_ = false;
    bool stopped_ = false;
};

ReplyFramer::ReplyFramer(ReplyListener& listener) : impl_(std::make_unique<Impl>(*this)), listener_(listener) {}
ReplyFramer::~ReplyFramer() = default;

void ReplyFramer::Fail(std::string why) {
    state_ = State::Failed;
    error_ = std::move(why);
}

void ReplyFramer::Feed(std::string_view bytes) {
    if (Finished())
        return;
    impl_->pending_.append(bytes);
    impl_->Run();
}

void ReplyFramer::FeedEof() {
    if (Finished())
        return;
    impl_->Run();
    if (!Finished())
        impl_->Eof();
    if (!Finished())
        Fail("the connection closed before the reply was complete");
}

} // namespace tw
