#include "shell/windows/StepManager.h"

#include <QCoreApplication>
#include <algorithm>

#include "platform/formkit.h"
#include "platform/toolbarmenu.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/toolids.h"
#include "shell/windows/FileCommands.h"

namespace talvo {

namespace {

StepManager* g_manager = nullptr;

std::map<std::string, StepFactory>& Registry() {
    static std::map<std::string, StepFactory> registry;
    return registry;
}

// The results window of a run that has none registered (the manager's tests
// walk chains of plain windows): it has no next and no results button, and
// its back button first disables the print tool.
class PlainResultsForm : public StepForm {
public:
    PlainResultsForm() : StepForm(QString::fromUtf8(kResultsWindow), kNavResults) {}

protected:
    void BackClicked() override {
        StepManager* m = StepManager::Instance();
        if (m && m->Host() && m->Host()->Tools())
            m->Host()->Tools()->SetEnabled(QStr(kToolPrint), false);
        StepForm::BackClicked();
    }
};

}  // namespace

StepFactory RegisterStepWindow(const std::string& className, StepFactory factory) {
    StepFactory previous = std::move(Registry()[className]);
    Registry()[className] = std::move(factory);
    return previous;
}

namespace {

// The registered window of `className` as a T, or null (a window of another
// kind is not kept).
template <typename T>
T* CreateRegistered(const std::string& className) {
    auto it = Registry().find(className);
    if (it == Registry().end() || !it->second) return nullptr;
    QWidget* w = it->second();
    if (auto* t = qobject_cast<T*>(w)) return t;
    delete w;
    return nullptr;
}

}  // namespace

StandaloneStep* CreateStandaloneStep(const std::string& className) {
    return CreateRegistered<StandaloneStep>(className);
}

StepForm* CreateStepWindow(const std::string& className) {
    if (StepForm* frm = CreateRegistered<StepForm>(className)) return frm;
    if (className == kResultsWindow) return new PlainResultsForm;
    return new StepForm(QStr(className));
}

// ---- ColForm ----

void ColForm::Add(StepForm* frm, long key) {
    if (key < 0 || key > Count())
        items_.emplace_back(frm);
    else
        items_.insert(items_.begin() + std::max(0L, key - 1), QPointer<StepForm>(frm));
}

StepForm* ColForm::Item(long key) const {
    if (key < 1 || key > Count()) return nullptr;
    return items_[static_cast<std::size_t>(key - 1)];
}

void ColForm::Remove(long key) {
    if (key < 1 || key > Count()) return;
    items_.erase(items_.begin() + (key - 1));
}

// ---- StepManager ----

StepManager::StepManager(MainWindowHost* host, QObject* parent) : QObject(parent), host_(host) {
    g_manager = this;
}

StepManager::~StepManager() {
    // The main window is going: the windows go with it, without touching it.
    for (auto& [name, frm] : loaded_) {
        if (!frm) continue;
        frm->MarkUnloading();
        if (QMdiSubWindow* sub = frm->SubWindow())
            sub->deleteLater();
        else
            frm->deleteLater();
    }
    loaded_.clear();
    if (g_manager == this) g_manager = nullptr;
}

StepManager* StepManager::Instance() {
    return g_manager;
}

void StepManager::SetStepNames() {
    StepNamesFor(Design.WorkType, Design.PtDirect, names_);
}

void StepManager::MakeStepForms() {
    forms_ = std::make_unique<ColForm>();
    for (const std::string& name : StepChain(Design.WorkType, Design.PtDirect)) {
        QPointer<StepForm>& frm = loaded_[name];
        if (!frm) frm = CreateStepWindow(name);
        forms_->Add(frm, -1);
    }
}

void StepManager::LoadWindow(StepForm* frm) {
    if (!frm || frm->IsLoaded() || !host_ || !host_->MdiArea()) return;
    QMdiSubWindow* sub = host_->MdiArea()->addSubWindow(frm);
    frm->Load(sub);
}

void StepManager::OpenSteps() {
    StepsReady = 0;
    if (host_) host_->SetMainCaption(ChainCaption(Design.WorkType, CurrentFile));
    ToolbarMenu* tools = host_ ? host_->Tools() : nullptr;
    const long n = forms_ ? forms_->Count() : 0;
    for (long i = 1; i <= n; ++i) {
        StepForm* frm = forms_->Item(i);
        if (!frm) continue;
        LoadWindow(frm);
        // Every step starts as an icon of the workspace; the caller then
        // brings the step it opens at to the normal state.
        if (frm->SubWindow()) frm->SubWindow()->showMinimized();
        if (i <= names_.Count()) {
            frm->SetCaption(QStr(names_.ShortName[i]));
            frm->SetHelpContextID(names_.HelpId[i]);
        }
        if (tools) tools->SetVisible(QStr(StepIconId(static_cast<int>(i))), true);
    }
    SetStepIcons();
    StepsReady = 1;
}

void StepManager::SetStepIcons() {
    ToolbarMenu* tools = host_ ? host_->Tools() : nullptr;
    if (!tools) return;
    // Names and chain are built together; a table left over from another
    // chain is never shown past the windows there are.
    const long n = std::min<long>(names_.Count(), forms_ ? forms_->Count() : 0);
    for (long i = 1; i <= n; ++i) {
        const QString id = QStr(StepIconId(static_cast<int>(i)));
        tools->SetVisible(id, true);
        tools->SetCaption(id, QStr(StepIconCaption(static_cast<int>(i), names_.IconName[i])));
        if (StepForm* frm = forms_->Item(i)) tools->SetPicture(id, frm->Picture());
    }
}

void StepManager::UnloadWindow(StepForm* frm) {
    if (!frm) return;
    frm->MarkUnloading();
    for (auto it = loaded_.begin(); it != loaded_.end();) {
        if (it->second == frm)
            it = loaded_.erase(it);
        else
            ++it;
    }
    if (QMdiSubWindow* sub = frm->SubWindow()) {
        sub->hide();
        if (QMdiArea* area = sub->mdiArea()) area->removeSubWindow(sub);
        sub->deleteLater();
    } else {
        frm->deleteLater();
    }
}

void StepManager::CloseSteps() {
    if (!forms_) return;
    ToolbarMenu* tools = host_ ? host_->Tools() : nullptr;
    const long n = forms_->Count();
    // No window of the chain runs its handlers while the others go.
    for (long i = 1; i <= n; ++i)
        if (StepForm* frm = forms_->Item(i)) frm->MarkUnloading();
    for (long i = 1; i <= n; ++i) {
        const QString id = QStr(StepIconId(static_cast<int>(i)));
        if (tools) {
            tools->SetVisible(id, false);
            tools->SetPicture(id, QIcon());
        }
        UnloadWindow(forms_->Item(i));
    }
    if (host_) host_->SetMainCaption(PlainCaption(CurrentFile));
    forms_.reset();
}

std::int16_t StepManager::StepIndexOf(const QWidget* frm) {
    if (!frm || !forms_) return -1;
    for (long i = 1; i <= forms_->Count(); ++i) {
        StepForm* f = forms_->Item(i);
        if (f && (f == frm || f->SubWindow() == frm)) return static_cast<std::int16_t>(i);
    }
    return -1;
}

void StepManager::ShowStep(int n) {
    if (!forms_ || n < 1 || n > forms_->Count()) return;
    for (long i = 1; i <= forms_->Count(); ++i) {
        StepForm* f = forms_->Item(i);
        if (f && f->IsLoaded() && f->State() == WindowState::Normal)
            f->SetState(WindowState::Minimized);
    }
    QCoreApplication::processEvents();
    if (!forms_ || n > forms_->Count()) return;
    StepForm* target = forms_->Item(n);
    if (!target || !target->IsLoaded()) return;
    target->SetState(WindowState::Normal);
    target->BringToFront();
    target->TakeOpeningFocus();
}

void StepManager::StepRestored(StepForm* frm) {
    if (!forms_ || StepIndexOf(frm) < 1) return;
    for (long i = 1; i <= forms_->Count(); ++i) {
        StepForm* f = forms_->Item(i);
        if (f && f != frm && f->IsLoaded() && f->State() == WindowState::Normal)
            f->SetState(WindowState::Minimized);
    }
    if (frm->State() == WindowState::Minimized) return;
    frm->BringToFront();
    frm->TakeOpeningFocus();
}

void StepManager::SetStepCaption(StepForm* frm, int index) {
    if (!frm || index < 1 || index > names_.Count()) return;
    const std::string& name =
        frm->State() == WindowState::Normal ? names_.FullName[index] : names_.ShortName[index];
    frm->SetCaption(QStr(name));
}

void StepManager::StepHook(int /*step*/) {}

StepForm* StepManager::ResultsWindow() const {
    if (!forms_ || forms_->Count() == 0) return nullptr;
    StepForm* last = forms_->Item(forms_->Count());
    return last && last->ClassName() == QString::fromUtf8(kResultsWindow) ? last : nullptr;
}

void StepManager::ShowSelectStep() {
    if (host_) host_->ShowSelectStep();
}

void StepManager::ShowResults(StepForm* from) {
    if (from) from->SetState(WindowState::Minimized);
    // The results window is shown as every step is, even when it is already
    // in the normal state under the step that was pressed: the other steps
    // go to their icons and it comes back whole, with the focus.
    if (ResultsWindow()) ShowStep(static_cast<int>(forms_->Count()));
}

void StepManager::RebuildChain() {
    const int n = CurStep;
    // Loading the windows again is no edit of the design.
    const std::int16_t changed = DataChanged;
    StepMode = 2;
    CloseSteps();
    StepMode = 1;
    SetStepNames();
    MakeStepForms();
    OpenSteps();
    ShowStep(n);
    DataChanged = changed;
}

}  // namespace talvo
