#pragma once

#include <string>

namespace tw {

// The one way the program downloads a page for its own reading. The runs of
// the suggestion and result count subsystems see only this.
class PageSource {
public:
    virtual ~PageSource() = default;
    // True with the page text (every line break CR LF) after a successful
    // download; false otherwise, and then the stop flag is always set.
    virtual bool GetPage(const std::string& address, std::string& page) = 0;
    // Cuts a download under way; harmless when there is none.
    virtual void Disconnect() = 0;
};

} // namespace tw
