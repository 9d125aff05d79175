// MainFrame: the main window of Talvo-SI, a multiple-document window whose
// children are the work-type selection step, the step windows and the
// results window. Every menu item and toolbar button is a tool with an ID
// string; ToolClick dispatches on it.
#pragma once

#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <functional>
#include <map>
#include <string>

#include "shell/filedialog.h"
#include "shell/startup.h"
#include "shell/windows/StepManager.h"

class QMdiSubWindow;

namespace talvo {

class ToolbarMenu;

// The outcome of the file dialog: the chosen path, or nothing.
struct FileChoice {
    bool chosen = false;
    std::string path;
};

// Commands that other parts of the program give the main window from their
// own files, as the step windows register themselves: a settings dialog
// registers under its tool ID, the report under the print tools. Every main
// window built afterwards takes them (SetDialogCommand, SetPrintCommand).
// Returns the command it replaces; an empty command removes it.
std::function<void()> RegisterDialogCommand(const std::string& toolId,
                                            std::function<void()> showModal);
std::function<void(int)> RegisterPrintCommand(std::function<void(int)> printResult);

class MainFrame : public QMainWindow, public MainWindowHost {
    Q_OBJECT
public:
    // Builds the window and runs its load set-up (geometry from WinLeft to
    // WinHeight, the untitled design with the selection step, the tools).
    explicit MainFrame(QWidget* parent = nullptr);
    ~MainFrame() override;

    // The one main window of the run (null before it exists).
    static MainFrame* Instance();

    // The hourglass pointer on the main window while a command runs; nests.
    class Hourglass {
    public:
        Hourglass();
        ~Hourglass();
        void Release();
        Hourglass(const Hourglass&) = delete;
        Hourglass& operator=(const Hourglass&) = delete;

    private:
        bool held_ = false;
    };
    bool Busy() const { return busy_ > 0; }

    // ---- MainWindowHost ----
    QMdiArea* MdiArea() override { return mdi_; }
    ToolbarMenu* Tools() override { return tools_; }
    void SetMainCaption(const std::string& caption) override { SetCaption(caption); }
    void ShowSelectStep() override;

    StepManager* Steps() const { return steps_; }

    // The dispatch of every tool click.
    void ToolClick(const QString& id);

    void SetCaption(const std::string& caption);
    std::string Caption() const;

    void SetToolEnabled(const std::string& id, bool enabled);

    // Shows the recent-file tools 1..RecentCount with their captions, hides the rest.
    void ShowRecentTools();

    // The work-type selection step while it is loaded, else null.
    StandaloneStep* SelectStep() const { return select_; }
    void UnloadSelectStep();
    void CloseStepChain();
    void ResetStepPosition();

    // The open (1) or save (2) dialog, set up as the design-file commands want.
    FileChoice RunFileDialog(int action);
    CommonDialog CMDialog1;

    // Moves a child window's MDI frame to (StepLeft, StepTop) with the size in twips.
    void PlaceStepWindow(QWidget* window, int widthTwips, int heightTwips);

    // A settings dialog for one of the tools of the 規格 and 設定 menus: the
    // tool is enabled from then on and shows the dialog modally.
    void SetDialogCommand(const std::string& id, std::function<void()> showModal);
    // The print command (the report's), run by the two print tools.
    void SetPrintCommand(std::function<void(int)> printResult);
    bool HasPrintCommand() const { return static_cast<bool>(printResult_); }
    // Runs the print command with `mode` (0 short report, 1 all pages), as
    // the print tools and the results window's print buttons do: the
    // hourglass is shown and "ID_印刷" is disabled while it runs, then put
    // back as it was. False when there is no print command.
    bool RunPrintCommand(int mode);

    // What ends the process after the settings file is written; the
    // program's is QCoreApplication::exit.
    void SetEndProcess(std::function<void()> endProcess);
    bool Unloaded() const { return unloaded_; }
    // The desktop session ends. `mayAsk`: the session manager lets the
    // program ask, and the window closes as from its close box. Otherwise
    // nothing is asked: the window unloads at once, and a settings file
    // another run of the program changed meanwhile is kept. False when the
    // close was refused.
    bool EndOfSession(bool mayAsk);
    // The window's inner rectangle (inside its frame) in twips: what the
    // settings file keeps and the next start restores.
    TwipsRect StoredRect() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildTools();
    void LoadSetup();
    void PlaceFromSettings();
    // Runs the check of the box being edited; false when it refused.
    bool CommitEdits();
    // Writes the settings file and ends the process; `mayAsk`: questions
    // and messages may be shown.
    void Unload(bool mayAsk);
    void ShowVersionDialog();

    QMdiArea* mdi_ = nullptr;
    ToolbarMenu* tools_ = nullptr;
    StepManager* steps_ = nullptr;
    QPointer<StandaloneStep> select_;
    QPointer<QMdiSubWindow> selectSub_;
    std::map<std::string, std::function<void()>> dialogs_;
    std::function<void(int)> printResult_;
    std::function<void()> endProcess_;
    int busy_ = 0;
    bool unloaded_ = false;
};

}  // namespace talvo
