// main() of the Qt-free test programs: GoogleTest's own, with a message sink
// that fails any test showing a message its script does not expect.
#include <gtest/gtest.h>

#include "support/scripted_messages.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    talvo::test::InstallUnexpectedMessages();
    return RUN_ALL_TESTS();
}
