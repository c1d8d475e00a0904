#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tw {

// Stands in for a crash reporter: a failure that escapes an event handler is
// caught at the handler's own boundary (it must never unwind through Qt),
// shown to the user, written to standard error, and the event loop goes on.
class FailureReport {
public:
    struct Entry {
        std::string where;
        std::string what;
    };
    static void Report(const std::string& where, const std::string& what);
    static const std::vector<Entry>& Entries();
    // Tests replace the dialog; unset, the report is shown in a dialog.
    static void SetPresenter(std::function<void(const Entry&)> presenter);
    static void Reset();
};

// Runs one event handler inside the failure boundary. Counts the handlers
// under way, so that a close can wait for the outermost one to return.
void RunHandler(const char* name, const std::function<void()>& body);
int HandlersRunning();
// Called when the outermost running handler has returned.
void SetOnHandlersDone(std::function<void()> callback);

} // namespace tw
