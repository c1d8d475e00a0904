#pragma once

#include "app/ui/FailureReport.h"
#include "app/ui/FileDialogs.h"
#include "app/ui/MessageBox.h"
#include "app/ui/ModalGate.h"

#include <gtest/gtest.h>

namespace tw::test {

// Resets every seam before and after a test, so that no answer or record
// leaks from one test into the next.
class SeamTest : public ::testing::Test {
protected:
    void SetUp() override { ResetAll(); }
    void TearDown() override { ResetAll(); }
    static void ResetAll() {
        MessageBoxSeam::Reset();
        FileDialogSeam::Reset();
        FailureReport::Reset();
        ModalGate::SetClosing(false);
    }
    static std::vector<std::string> MessagesShown() {
        std::vector<std::string> texts;
        for (const auto& m : MessageBoxSeam::History())
            texts.push_back(m.text);
        return texts;
    }
};

} // namespace tw::test
