// main() of the companion's window tests: one QApplication on the offscreen
// platform unless the environment chooses another one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

#include "support/scripted_messages.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // A message no test expects fails that test.
    talvo::test::InstallUnexpectedMessages();
    return RUN_ALL_TESTS();
}
