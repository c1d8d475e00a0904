#include "app/FMain.h"
#include "tests/support/Seams.h"

#include <QPushButton>

namespace tw {
namespace {

class MainWindowTest : public test::SeamTest {};

TEST_F(MainWindowTest, StartsWithCaption) {
    TfrmMain window;
    EXPECT_EQ(window.windowTitle().toStdString(), "Tarnwick");
}

} // namespace
} // namespace tw
