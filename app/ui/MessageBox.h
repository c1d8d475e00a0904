#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tw {

enum MessageButtons { mbOk, mbOkCancel };
enum MessageResult { mrOk = 1, mrCancel = 2 };

// Every message and question of the program: caption "Information", the
// information icon, OK the default button, Escape answers Cancel where that
// button is present and OK otherwise. Returns mrOk or mrCancel.
int ShowMessageBox(const std::string& text, MessageButtons buttons = mbOk);

// The seam through which tests answer message boxes instead of a person.
class MessageBoxSeam {
public:
    struct Shown {
        std::string text;
        MessageButtons buttons;
        int answer;
    };
    // Queues the answer to the next box; used once.
    static void SetNextAnswer(int answer);
    // Called for a box with no queued answer; unset, the real box is shown.
    static void SetFallback(std::function<int(const std::string&, MessageButtons)> fallback);
    static const std::vector<Shown>& History();
    static void Reset();
};

} // namespace tw
