#pragma once

#include <QObject>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>

namespace tw {

// A failure of a download: network, server or reply framing.
class HttpFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum WorkMode { wmRead, wmWrite };

// Where a download writes the final reply's body.
class BodySink {
public:
    virtual ~BodySink() = default;
    virtual void Write(const char* data, std::size_t size) = 0;
    // A redirect or error reply's body must not stay: start again from empty.
    virtual void Discard() = 0;
};

// The blocking HTTP client. A download runs a nested event loop, so the
// window keeps handling events; Disconnect may be called at any moment, also
// from a handler that runs inside that loop.
class HttpClient : public QObject {
    Q_OBJECT
public:
    explicit HttpClient(QObject* parent = nullptr);
    ~HttpClient() override;

    // GETs address (following redirects) into sink; returns normally after a
    // successful transfer, throws HttpFailure otherwise.
    void Download(const std::string& address, BodySink& sink);
    void Disconnect();
    bool Connected() const;

    std::function<void(WorkMode, int)> OnWorkBegin;
    std::function<void(WorkMode, int)> OnWork;
    std::function<void(WorkMode)> OnWorkEnd;
};

} // namespace tw
