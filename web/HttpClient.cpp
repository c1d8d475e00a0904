#include "web/HttpClient.h"

namespace tw {

HttpClient::HttpClient(QObject* parent) : QObject(parent) {}
HttpClient::~HttpClient() = default;

void HttpClient::Download(const std::string&, BodySink&) {
    throw HttpFailure("not implemented yet");
}
void HttpClient::Disconnect() {}
bool HttpClient::Connected() const {
    return false;
}

} // namespace tw
