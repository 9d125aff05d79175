// The step-window manager: builds the chain of step windows of the work
// type, captions it, opens and closes it, tells a window its position and
// moves between steps (the current step normal, the others minimised).
#pragma once

#include <QMdiArea>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/stepform.h"
#include "shell/stepchain.h"

namespace talvo {

class ToolbarMenu;

// What the manager needs of the main window. The main window implements it;
// tests implement it with a bare MDI area.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    // The MDI area the step windows are shown in.
    virtual QMdiArea* MdiArea() = 0;
    // The toolbar-menu with the step icons "ID_アイコン1" to "ID_アイコン15".
    virtual ToolbarMenu* Tools() = 0;
    // The main window's caption.
    virtual void SetMainCaption(const std::string& caption) = 0;
    // Shows the work-type selection step, modeless, loaded afresh (with
    // StepMode 2 its load closes the chain).
    virtual void ShowSelectStep() = 0;
};

// A step shown on its own, outside every chain (the work-type selection
// step): the main window creates it by class name, puts it in its MDI child
// and then runs its load.
class StandaloneStep : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void Load() = 0;
};

// ---- The step windows, by class name ----

// Creates the window of one class name; registered by the window's own code.
// An empty factory removes the registration. Returns the factory it replaces.
using StepFactory = std::function<QWidget*()>;
StepFactory RegisterStepWindow(const std::string& className, StepFactory factory);
// The registered window of `className` when it is a step window of a chain,
// else a plain step window of the protocol (navigation bar, caption, icon,
// its focus sink, no inputs).
StepForm* CreateStepWindow(const std::string& className);
// The registered standalone step of `className`, or null.
StandaloneStep* CreateStandaloneStep(const std::string& className);

// ---- The ordered collection of a chain (positions 1 to Count) ----

class ColForm {
public:
    // Appends when key is negative or greater than Count, else inserts
    // before position key.
    void Add(StepForm* frm, long key = -1);
    // The window at a position; null outside 1 to Count.
    StepForm* Item(long key) const;
    long Count() const { return static_cast<long>(items_.size()); }
    // Removes the window at a position; nothing outside 1 to Count.
    void Remove(long key);

private:
    std::vector<QPointer<StepForm>> items_;
};

class StepManager : public QObject, public StepNavigator {
    Q_OBJECT
public:
    explicit StepManager(MainWindowHost* host, QObject* parent = nullptr);
    ~StepManager() override;  // closes an open chain

    // The manager of the run (null when none exists).
    static StepManager* Instance();
    MainWindowHost* Host() const { return host_; }

    // Fills StepNames for DesignData.WorkType and DesignData.PtDirect (left
    // as it is for a work type outside 0 to 4).
    void SetStepNames();
    // Builds StepForms for the work type: a window still loaded from the
    // former chain is taken again, others are created.
    void MakeStepForms();
    // Shows the chain: caption of the main window, every window loaded and
    // shown with its short caption and help id, the step icons.
    void OpenSteps();
    // Hides the step icons, unloads every window, gives the main window its
    // caption without work type and releases the chain. Nothing without a chain.
    void CloseSteps();
    // Captions and pictures of the toolbar step icons.
    void SetStepIcons();

    // The position of frm in the chain (1-based), -1 when it is not in it.
    // It lets no pending event run: it is asked from inside the toolkit's
    // own activation and resizing, where a press waiting to be released or
    // a repaint of the window beneath would be handled out of turn.
    std::int16_t StepIndexOf(const QWidget* frm) override;
    // Makes step n current: the other normal windows minimised, n normal with
    // the focus. Nothing for n outside 1 to Count.
    void ShowStep(int n) override;
    // Full name in the normal state, short name when minimised or maximised;
    // nothing for index -1.
    void SetStepCaption(StepForm* frm, int index) override;
    // Called by every step window at the end of its activation; does nothing.
    void StepHook(int step) override;

    // The results action of a step: `from` (when given) is minimised, then
    // the results window is shown as ShowStep shows a step.
    void ShowResults(StepForm* from) override;
    // The host's selection step (the start-screen action of a step).
    void ShowSelectStep() override;
    // A step restored from its icon by the engineer: every other step in the
    // normal state is minimised (maximised ones stay), and frm is the active
    // window with the focus.
    void StepRestored(StepForm* frm) override;
    // The icon-arrange command's rebuild: the chain is closed and built anew
    // from the design record, and the former current step is shown again.
    void RebuildChain();

    // ---- State ----
    bool ChainOpen() const { return forms_ != nullptr; }
    ColForm* StepForms() const { return forms_.get(); }
    StepForm* Step(int n) const { return forms_ ? forms_->Item(n) : nullptr; }
    StepForm* ResultsWindow() const;
    const StepNameTable& StepNames() const { return names_; }

private:
    void LoadWindow(StepForm* frm);
    void UnloadWindow(StepForm* frm);

    MainWindowHost* host_;
    std::unique_ptr<ColForm> forms_;
    StepNameTable names_;
    // Windows loaded and not yet unloaded, by class name: a window is one
    // instance per class, as the chain and the icon-arrange rebuild expect.
    std::map<std::string, QPointer<StepForm>> loaded_;
};

}  // namespace talvo
