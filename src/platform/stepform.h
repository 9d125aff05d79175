// The base of every step window and of the results window: one common
// position and size, no caption icon, the bar of five navigation buttons,
// the calls into the step-window manager on activation, deactivation and
// resizing, the focus sink, and the deferred start-screen action.
//
// A step window is shown inside an MDI child of the main window; the
// step-window manager creates the child when it first shows the window
// (Load) and unloads both with the chain.
#pragma once

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "platform/entryboxes.h"
#include "platform/mdichild.h"

namespace talvo {

class StepForm;

// What a step window needs of the program that chains it: the program's
// step-window manager implements it and installs itself while it lives, so
// that the protocol does not depend on any one program's windows.
class StepNavigator {
public:
    virtual ~StepNavigator();
    // The installed navigator of the run, or null.
    static StepNavigator* Current();

    // The position of frm in the chain (1-based), -1 when it is not in it.
    virtual std::int16_t StepIndexOf(const QWidget* frm) = 0;
    // Called by every step window at the end of its activation.
    virtual void StepHook(int step) = 0;
    // The caption of frm for its state; nothing for index -1.
    virtual void SetStepCaption(StepForm* frm, int index) = 0;
    // Makes step n current; nothing outside the chain.
    virtual void ShowStep(int n) = 0;
    // The results action of a step (`from` is minimised).
    virtual void ShowResults(StepForm* from) = 0;
    // Shows the work-type selection step, loaded afresh.
    virtual void ShowSelectStep() = 0;
    // frm was restored by the engineer from its minimised window (its
    // restore button, a double-click, its menu): it becomes the one step
    // shown, as ShowStep makes a step.
    virtual void StepRestored(StepForm* frm) = 0;

protected:
    StepNavigator();
};

// Which navigation buttons a window has.
enum NavButton : unsigned {
    kNavBegin = 1,
    kNavBack = 2,
    kNavIndicate = 4,
    kNavNext = 8,
    kNavResult = 16,
    kNavAll = 31,
    kNavResults = kNavBegin | kNavBack | kNavIndicate,  // the results window
};

class StepForm : public QWidget {
    Q_OBJECT
public:
    // Size of every step window (outer frame), in twips.
    static constexpr int kWidthTwips = 9455;
    static constexpr int kHeightTwips = 5355;
    // Default top of a focus sink: below the inner area of the window.
    static constexpr int kSinkTopTwips = 5790;

    // `className` is the window's name in the chains ("N2danmen").
    explicit StepForm(const QString& className, unsigned navButtons = kNavAll,
                      QWidget* parent = nullptr);
    ~StepForm() override;

    const QString& ClassName() const { return className_; }

    // ---- Controls common to the step windows (null when absent) ----
    QFrame* NavBar = nullptr;
    QPushButton* cmdBegin = nullptr;     // "初期画面(&I)"
    QPushButton* cmdBack = nullptr;      // "前画面へ(&B)"
    QPushButton* cmdIndicate = nullptr;  // "再表示(&R)"
    QPushButton* cmdNext = nullptr;      // "次画面へ(&N)"
    QPushButton* cmdResult = nullptr;    // "結果画面(&A)"
    QLabel* ImgIco = nullptr;            // holds the step's picture; never shown
    QLineEdit* FocusSink = nullptr;      // takes the focus only; below the visible area

    // The window's entry boxes (numeric and name entries, select-all boxes).
    EntryGroup* Entries() const { return entries_; }

    // The step's picture, shown on its toolbar step icon.
    void SetPicture(const QIcon& picture);
    QIcon Picture() const { return picture_; }

    // Creates the focus sink, named `name` ("Text6"), at `topTwips`, after
    // cmdResult (or the last button) in the tab order.
    void UseFocusSink(const QString& name, int topTwips = kSinkTopTwips);
    // Where the sink sends the focus when reached with the Tab key; null: the
    // focus stays on the sink. A target that does not take the Tab key now
    // (disabled, hidden, an option not chosen) passes it on to the next
    // control that does. Reached with Shift+Tab, the sink passes the focus
    // back to the control before it.
    void SetTabWrapTarget(QWidget* target) { tabWrapTarget_ = target; }

    // The help topic of the window; F1 opens the help file.
    void SetHelpContextID(int id) { helpContextId_ = id; }
    int HelpContextID() const { return helpContextId_; }

    // ---- Window side, used by the manager and the tests ----

    // Load: removes the caption icon, places the MDI child at (StepLeft,
    // StepTop) with the window size, then OnLoad fills the fields. Runs once.
    void Load(QMdiSubWindow* sub);
    bool IsLoaded() const { return sub_ != nullptr; }
    QMdiSubWindow* SubWindow() const { return sub_; }

    QString Caption() const;
    void SetCaption(const QString& caption);
    WindowState State() const;
    void SetState(WindowState state);
    // Activates the window's MDI child (a refused entry does this first).
    void BringToFront();
    // The focus of a step being shown: a control of the window that holds
    // it keeps it (one the window's activation gave it, or the one the
    // engineer left there), but for the navigation buttons and the sink;
    // otherwise the control OpeningFocus names takes it.
    void TakeOpeningFocus();
    // Where a step shown takes the focus: its first entry box in the tab
    // order; a step without one, the button that goes on (次画面へ, or
    // 結果画面 where there is no next step), so that Return goes on and never
    // back to the start screen. Null: the focus stays as it is.
    virtual QWidget* OpeningFocus() const;
    // The button that goes on from this step, or null.
    QPushButton* GoOnButton() const;
    // The first enabled, visible entry box in the tab order, or null.
    QLineEdit* FirstEntryBox() const;

    // Set by the manager just before the window is unloaded: from then on
    // the window runs none of its protocol handlers.
    void MarkUnloading() {
        unloading_ = true;
        entries_->SetSuspended(true);
    }
    bool Unloading() const { return unloading_; }

    // The protocol handlers, public so that a test can see their effect
    // without depending on the toolkit's activation order.
    void HandleActivate();
    void HandleDeactivate();
    void HandleResize();

    // The start-screen action itself: StepMode = 2, then the work-type
    // selection step is shown (its load closes the chain, this window too).
    void StartScreenAction();

protected:
    // ---- What a window adds to the protocol ----
    virtual void OnLoad() {}        // fill the inputs from Design
    virtual void OnActivate() {}    // calculations, displays, reference buttons
    virtual void OnDeactivate() {}  // reference buttons off
    virtual void OnResized(bool /*minimised*/) {}
    // Enables the navigation buttons (activation, restoring) or disables them
    // (deactivation, minimising). The default is EnableNavButtons.
    virtual void SetNavEnabled(bool on);

    // ---- The buttons; a window overrides one to add its own checks ----
    // cmdBegin: the deferred start-screen action (the edited box first).
    virtual void BeginClicked();
    // cmdBack / cmdNext: ShowStep(CurStep - 1 / + 1), at once.
    virtual void BackClicked();
    virtual void NextClicked();
    // cmdResult: minimises this window; the results window gets the focus
    // and the normal state.
    virtual void ResultClicked();
    // cmdIndicate: the focus moves to the button itself, so the edited box
    // is checked and stored.
    virtual void IndicateClicked();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* MakeButton(const QString& name, const QString& caption, int left, int width);
    void SinkGotFocus(Qt::FocusReason reason);
    void KeepSinkOutOfView();
    void OnSubWindowStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState);
    void PointAtPress(const QMouseEvent* press);

    QString className_;
    EntryGroup* entries_;
    QIcon picture_;
    QPointer<QWidget> tabWrapTarget_;
    QPointer<QMdiSubWindow> sub_;
    // The same two objects for identity tests in eventFilter only.
    const QObject* subObject_ = nullptr;
    const QObject* sinkObject_ = nullptr;
    int helpContextId_ = 0;
    int sinkTopTwips_ = kSinkTopTwips;
    bool unloading_ = false;
    // Set while the program itself changes the window state (SetState).
    bool settingState_ = false;
    bool inResize_ = false;
    bool inActivate_ = false;
};

// Sets the enabled state of frm's five navigation buttons (those it has).
void EnableNavButtons(StepForm* frm, bool value);

}  // namespace talvo
