// main() of the window tests: one QApplication for the whole run, on the
// offscreen platform unless the environment chooses another one (listing the
// tests happens without a display too). TALVO_TEST_PLATFORM names a platform
// that wins over QT_QPA_PLATFORM, which ctest sets to offscreen for every
// window test: the focus tests run once more on a real X server so.
#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>

#include "shell/toolids.h"
#include "shell/windows/MainWindow.h"
#include "support/scripted_messages.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsEmpty("TALVO_TEST_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", qgetenv("TALVO_TEST_PLATFORM"));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // A message no test expects fails that test.
    talvo::test::InstallUnexpectedMessages();
    // Each test gives a main window the print command it needs: the report's
    // own command, registered by the program, is not assumed.
    talvo::RegisterPrintCommand(nullptr);
    // Nor are the settings dialogs: a test that wants them registers them.
    for (const char* id : {talvo::kToolRebarStandard, talvo::kToolSnowDepth,
                           talvo::kToolForceFormulas, talvo::kToolStirrups, talvo::kToolRebarCount})
        talvo::RegisterDialogCommand(id, nullptr);
    return RUN_ALL_TESTS();
}
