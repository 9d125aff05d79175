// Talvo-SI: the design program for slope-protection frame works.
#include <QApplication>
#include <QDir>

#include "platform/desktop.h"
#include "platform/qtfiledialog.h"
#include "shell/windows/MainWindow.h"
#include "shell/windows/Startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setWindowIcon(talvo::ProgramIcon());
    talvo::InstallJapaneseTranslations();
    talvo::ProgramDialogs dialogs;

    talvo::StartupEnvironment env;
    env.programFolder = QCoreApplication::applicationDirPath().toStdString();
    for (int i = 1; i < argc; ++i)
        env.args.push_back(QString::fromLocal8Bit(argv[i]).toStdString());
    env.currentFolder = QDir::currentPath().toStdString();
    env.pathVariable = qEnvironmentVariable("PATH").toStdString();

    // The main window lives until the process ends: its unload writes the
    // settings file and ends the event loop, and no window is closed after it.
    talvo::MainFrame* main = talvo::StartTalvo(env);
    dialogs.SetParent(main);
    return app.exec();
}
