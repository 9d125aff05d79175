// Talvo1SI: the companion study program. Takes no arguments; reads the
// design program's settings file of its own folder and shows the results
// window, which owns the program's lifetime.
#include <QApplication>
#include <cstdlib>
#include <string>

#include "companion/ui/frmResult.h"
#include "platform/desktop.h"
#include "platform/qtmessagebox.h"
#include "shell/message.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    talvo::InstallJapaneseTranslations();
    talvo::QtMessageSink sink;
    talvo::SetMessageSink(&sink);
    const char* path = std::getenv("PATH");
    talvo::companion::CompanionMain(QApplication::applicationDirPath().toStdString(),
                                    path ? path : "");
    return app.exec();
}
