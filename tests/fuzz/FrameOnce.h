#pragma once

// One run of the reply framing over arbitrary bytes, shared by the libFuzzer
// target and the test that replays its seed corpus. The first byte chooses
// the size of the pieces the rest is fed in, so that every split of a head or
// chunk is reached. False when the framing broke one of its promises.
#include "web/core/ReplyFraming.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tw::fuzz {

class CheckingListener : public ReplyListener {
public:
    bool ok = true;
    bool OnHead(const ReplyHead& head) override {
        ok = ok && !inCycle_ && head.status >= 100 && head.status <= 999;
        return true;
    }
    bool OnBodyBegin(std::uint64_t announced) override {
        ok = ok && !inCycle_;
        inCycle_ = true;
        announced_ = announced;
        taken_ = 0;
        return true;
    }
    bool OnBodyData(const char*, std::size_t size) override {
        taken_ += size;
        // Data only inside a cycle, and never past an announced length.
        ok = ok && inCycle_ && (announced_ == 0 || taken_ <= announced_);
        return true;
    }
    bool OnBodyEnd() override {
        ok = ok && inCycle_;
        inCycle_ = false;
        return true;
    }

private:
    bool inCycle_ = false;
    std::uint64_t announced_ = 0;
    std::uint64_t taken_ = 0;
};

inline bool FrameOnce(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return true;
    const std::size_t piece = data[0] == 0 ? size : data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    CheckingListener listener;
    ReplyFramer framer(listener);
    for (std::size_t i = 0; i < bytes.size() && !framer.Finished(); i += piece)
        framer.Feed(bytes.substr(i, piece));
    framer.FeedEof();
    return listener.ok && framer.Finished();
}

} // namespace tw::fuzz
