// Talvo1SI: the companion study program. Takes no arguments; reads the
// design program's settings file of its own folder and shows the results
// window, which owns the program's lifetime.
#include <QApplication>
#include <cstdlib>
#include <string>

#include "companion/ui/frmResult.h"
#include "platform/desktop.h"
#include "platform/qtfiledialog.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    talvo::InstallJapaneseTranslations();
    // The boxes and file dialogs stand over the active window: the preview
    // for its PDF dialog, the results window otherwise.
    talvo::ProgramDialogs dialogs;
    const char* path = std::getenv("PATH");
    talvo::companion::CompanionMain(QApplication::applicationDirPath().toStdString(),
                                    path ? path : "");
    return app.exec();
}
