#pragma once

#include <optional>

namespace tw {

// Downloads never overlap: while one network action runs, another that would
// download is refused with this message and changes nothing.
inline constexpr const char* kWaitForDownloadMessage = "Please wait until the current download has finished.";

class NetworkBusy {
public:
    // Marks the network as busy for as long as it lives; released on every
    // way out of an action, failures included.
    class Scope {
    public:
        explicit Scope(NetworkBusy& owner) : owner_(&owner) { owner_->busy_ = true; }
        Scope(Scope&& other) noexcept : owner_(other.owner_) { other.owner_ = nullptr; }
        Scope& operator=(Scope&&) = delete;
        Scope(const Scope&) = delete;
        ~Scope() {
            if (owner_)
                owner_->busy_ = false;
        }

    private:
        NetworkBusy* owner_;
    };

    bool Busy() const { return busy_; }
    // A scope, or nothing while another action holds one.
    [[nodiscard]] std::optional<Scope> TryBegin() {
        if (busy_)
            return std::nullopt;
        return std::optional<Scope>(std::in_place, *this);
    }

private:
    bool busy_ = false;
};

} // namespace tw
