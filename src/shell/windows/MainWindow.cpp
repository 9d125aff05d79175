#include "shell/windows/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSessionManager>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "platform/desktop.h"
#include "platform/entryboxes.h"
#include "platform/formkit.h"
#include "platform/mdichild.h"
#include "platform/toolbarmenu.h"
#include "shell/design.h"
#include "shell/filecommands.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "shell/toolids.h"
#include "shell/windows/FileCommands.h"

namespace talvo {

namespace {

MainFrame* g_main = nullptr;

// The maker's web address is not known to the program: the command asks its
// question and opens nothing.
const std::string kMakerAddress;

const char* const kSettingsTools[] = {kToolRebarStandard, kToolSnowDepth, kToolForceFormulas,
                                      kToolStirrups, kToolRebarCount};

}  // namespace

namespace {

std::map<std::string, std::function<void()>>& DialogRegistry() {
    static std::map<std::string, std::function<void()>> registry;
    return registry;
}

std::function<void(int)>& PrintRegistry() {
    static std::function<void(int)> command;
    return command;
}

}  // namespace

std::function<void()> RegisterDialogCommand(const std::string& toolId,
                                            std::function<void()> showModal) {
    std::function<void()> previous = std::move(DialogRegistry()[toolId]);
    if (showModal)
        DialogRegistry()[toolId] = std::move(showModal);
    else
        DialogRegistry().erase(toolId);
    return previous;
}

std::function<void(int)> RegisterPrintCommand(std::function<void(int)> printResult) {
    return std::exchange(PrintRegistry(), std::move(printResult));
}

namespace {

// Ctrl+Tab and Ctrl+Shift+Tab among the windows of the workspace: Ctrl+Tab
// makes the next window active, Ctrl+Shift+Tab goes back to the window that
// was active before, and a window made active so takes the focus where it
// left it (an icon holds the focus itself). A window that switches its own
// sets or pages with these keys takes them first, through its shortcuts.
class WindowSwitchKeys : public QObject {
public:
    explicit WindowSwitchKeys(QMdiArea* area) : QObject(area), area_(area) {
        qApp->installEventFilter(this);
        // The workspace would take the keys for its own window switching,
        // which leaves the focus nowhere: this filter stays in front of its.
        connect(area, &QMdiArea::subWindowActivated, this,
                [this] { qApp->installEventFilter(this); });
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            if (!old) return;
            for (QMdiSubWindow* sub : area_->subWindowList())
                if (sub->isAncestorOf(old) && !(now && sub->isAncestorOf(now))) left_[sub] = old;
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        auto* w = static_cast<QWidget*>(watched);
        if (!tab || !(key->modifiers() & Qt::ControlModifier) ||
            (w != area_ && !area_->isAncestorOf(w)))
            return QObject::eventFilter(watched, event);
        Switch(key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier));
        return true;
    }

private:
    void Switch(bool back) {
        QMdiSubWindow* now = area_->activeSubWindow();
        QMdiSubWindow* target = back ? before_.data() : nullptr;
        if (target && (target == now || !target->isVisible())) target = nullptr;
        if (target) {
            area_->setActiveSubWindow(target);
        } else if (back) {
            area_->activatePreviousSubWindow();
        } else {
            area_->activateNextSubWindow();
        }
        target = area_->activeSubWindow();
        if (target == now) return;
        before_ = now;
        if (!target) return;
        const QPointer<QWidget> left = left_.value(target);
        if (left && left->isEnabled() && left->isVisible() && target->isAncestorOf(left))
            left->setFocus(Qt::OtherFocusReason);
        else if (target->isMinimized())
            target->setFocus(Qt::OtherFocusReason);
    }

    QMdiArea* area_;
    QPointer<QMdiSubWindow> before_;
    // The control each window had the focus in when the focus left it.
    QHash<const QObject*, QPointer<QWidget>> left_;
};

}  // namespace

MainFrame::MainFrame(QWidget* parent) : QMainWindow(parent) {
    g_main = this;
    setObjectName("MainFrame");
    mdi_ = new QMdiArea(this);
    // A step window larger than the workspace can be scrolled into view, its
    // navigation buttons included.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    // An icon made the active window holds the focus itself: otherwise the
    // keyboard falls out of the workspace and no key reaches its windows.
    connect(mdi_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
        if (!sub || !sub->isMinimized()) return;
        const QWidget* focus = QApplication::focusWidget();
        if (focus == sub || (focus && sub->isAncestorOf(focus))) return;
        sub->setFocus(Qt::OtherFocusReason);
    });
    new WindowSwitchKeys(mdi_);
    tools_ = new ToolbarMenu(this);
    BuildTools();
    connect(tools_, &ToolbarMenu::ToolClick, this, &MainFrame::ToolClick);
    steps_ = new StepManager(this, this);
    for (const auto& [id, command] : DialogRegistry()) SetDialogCommand(id, command);
    if (PrintRegistry()) SetPrintCommand(PrintRegistry());
    endProcess_ = [] { QCoreApplication::exit(0); };
    // The end of the desktop session closes the window as the close box
    // does, with its questions while the session manager lets the program
    // ask; a refused close keeps the session going.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        const bool mayAsk = manager.allowsInteraction();
        const bool ended = EndOfSession(mayAsk);
        if (mayAsk) {
            if (!ended) manager.cancel();
            manager.release();
        }
    });
    LoadSetup();
}

MainFrame::~MainFrame() {
    // The chain's windows live in the MDI area: close them while the manager
    // and the area still exist.
    delete steps_;
    steps_ = nullptr;
    if (g_main == this) g_main = nullptr;
}

MainFrame* MainFrame::Instance() {
    return g_main;
}

// ---- Hourglass ----

MainFrame::Hourglass::Hourglass() {
    if (g_main) {
        if (g_main->busy_++ == 0) g_main->setCursor(Qt::WaitCursor);
        held_ = true;
    }
}
MainFrame::Hourglass::~Hourglass() {
    Release();
}
void MainFrame::Hourglass::Release() {
    if (!held_) return;
    held_ = false;
    if (g_main && --g_main->busy_ == 0) g_main->unsetCursor();
}

// ---- The tools ----

void MainFrame::BuildTools() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("メニュー(Menu)");

    QMenu* file = tools_->AddMenu(bar, QStr(kMenuFile), QStr("ファイル(&F)"));
    tools_->AddItem(file, QStr(kToolNew), QStr("新規作成(&N)"));
    tools_->AddItem(file, QStr(kToolOpen), QStr("ファイルを開く(&O)..."));
    tools_->AddItem(file, QStr(kToolClose), QStr("ファイルを閉じる(&C)"));
    file->addSeparator();
    tools_->AddItem(file, QStr(kToolSave), QStr("上書き保存(&S)"));
    tools_->AddItem(file, QStr(kToolSaveAs), QStr("名前を付けて保存(&A)..."));
    file->addSeparator();
    QMenu* print = tools_->AddSubMenu(file, QStr(kToolPrint), QStr("印刷(&P)..."));
    tools_->AddItem(print, QStr(kToolPrintShort), QStr("簡易印刷(&Y)"));
    tools_->AddItem(print, QStr(kToolPrintFull), QStr("全項印刷(&Z)"));
    file->addSeparator();
    for (int n = 1; n <= 4; ++n) {
        tools_->AddItem(file, QStr(kToolRecentPrefix) + QString::number(n),
                        QStr("最近使ったファイル%1").arg(n));
    }
    file->addSeparator();
    tools_->AddItem(file, QStr(kToolExit), QStr("タルヴォ－SI の終了(&X)"));

    QMenu* standard = tools_->AddMenu(bar, QStr(kMenuStandards), QStr("規格(&T)"));
    tools_->AddItem(standard, QStr(kToolRebarStandard), QStr("異形鉄筋の規格(&I)..."));

    QMenu* settings = tools_->AddMenu(bar, QStr(kMenuSettings), QStr("設定(&S)"));
    tools_->AddItem(settings, QStr(kToolSnowDepth), QStr("設計積雪深の設定(&Y)..."));
    tools_->AddItem(settings, QStr(kToolForceFormulas), QStr("Mmax・Smax 算出式(S)..."));
    tools_->AddItem(settings, QStr(kToolStirrups), QStr("スターラップの設定(&R)..."));
    tools_->AddItem(settings, QStr(kToolRebarCount), QStr("主鉄筋本数の算出条件(M)..."));

    QMenu* window = tools_->AddMenu(bar, QStr(kMenuWindow), QStr("ウィンドウ(&W)"));
    tools_->AddItem(window, QStr(kToolArrangeIcons), QStr("アイコンの整列(&I)"));
    window->addSeparator();
    for (int n = 1; n <= 15; ++n) {
        tools_->AddItem(window, QStr(kToolStepIconPrefix) + QString::number(n),
                        QStr("アイコン%1").arg(n));
    }

    QMenu* help = tools_->AddMenu(bar, QStr(kMenuHelp), QStr("ヘルプ(&H)"));
    tools_->AddItem(help, QStr(kToolHelpContents), QStr("目次(&C)"));
    tools_->AddItem(help, QStr(kToolHelpSearch), QStr("キーワードで検索(&S)..."));
    help->addSeparator();
    tools_->AddItem(help, QStr(kToolHomePage), QStr("クオラのホームページへ(&G)"));
    help->addSeparator();
    tools_->AddItem(help, QStr(kToolVersion), QStr("バージョン情報(&A)..."));

    QMenu* popup = tools_->AddPopup(QStr(kPopupPrint), QStr("ポップアップ印刷"));
    tools_->AddItem(popup, QStr(kToolPrintShort));
    tools_->AddItem(popup, QStr(kToolPrintFull));

    QToolBar* toolbar = addToolBar(QStr("標準(Standard)"));
    toolbar->setObjectName("標準(Standard)");
    toolbar->setMovable(false);
    tools_->AddButton(toolbar, QStr(kToolNew));
    tools_->AddButton(toolbar, QStr(kToolOpen));
    tools_->AddButton(toolbar, QStr(kToolSave));
    toolbar->addSeparator();
    tools_->AddButton(toolbar, QStr(kToolArrangeIcons));
    toolbar->addSeparator();
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    QStyle* s = style();
    tools_->SetPicture(QStr(kToolNew), s->standardIcon(QStyle::SP_FileIcon));
    tools_->SetPicture(QStr(kToolOpen), s->standardIcon(QStyle::SP_DialogOpenButton));
    tools_->SetPicture(QStr(kToolSave), s->standardIcon(QStyle::SP_DialogSaveButton));
    tools_->SetPicture(QStr(kToolArrangeIcons), s->standardIcon(QStyle::SP_FileDialogListView));

    // Tools that exist with a caption and have no command.
    tools_->AddTool(QStr(kToolStart), QStr("検討開始(&S)"));
    tools_->AddTool(QStr(kToolResults), QStr("結果画面(&A)"));
    tools_->AddTool(QStr(kToolBegin), QStr("初期画面(&I)"));
    tools_->AddTool(QStr(kToolBack), QStr("前画面へ(&B)"));
    tools_->AddTool(QStr(kToolNext), QStr("次画面へ(&N)"));

    // The settings dialogs come with their own windows; until one is given
    // (SetDialogCommand) its tool cannot be chosen.
    for (const char* id : kSettingsTools) tools_->SetEnabled(QStr(id), false);
    // Likewise the print commands until the print command is given
    // (SetPrintCommand); the print menu itself is the results window's to
    // enable.
    tools_->SetEnabled(QStr(kToolPrint), false);
    for (const char* id : {kToolPrintShort, kToolPrintFull}) tools_->SetEnabled(QStr(id), false);
}

void MainFrame::SetToolEnabled(const std::string& id, bool enabled) {
    tools_->SetEnabled(id, enabled);
}

void MainFrame::ShowRecentTools() {
    const int n = RecentEntries();
    for (int i = 1; i <= 4; ++i) {
        const std::string id = kToolRecentPrefix + std::to_string(i);
        if (i <= n) {
            tools_->SetCaption(id, RecentCaption(i, RecentFile[i]));
            tools_->SetVisible(id, true);
        } else {
            tools_->SetVisible(id, false);
        }
    }
}

void MainFrame::SetDialogCommand(const std::string& id, std::function<void()> showModal) {
    dialogs_[id] = std::move(showModal);
    tools_->SetEnabled(id, static_cast<bool>(dialogs_[id]));
}

void MainFrame::SetPrintCommand(std::function<void(int)> printResult) {
    printResult_ = std::move(printResult);
    for (const char* id : {kToolPrintShort, kToolPrintFull})
        tools_->SetEnabled(QStr(id), static_cast<bool>(printResult_));
}

bool MainFrame::RunPrintCommand(int mode) {
    if (!printResult_) return false;
    Hourglass busy;
    // The print menu belongs to the results window, which enables it only
    // while its print rows are chosen: after the print it is given back as
    // it was, never switched on for a design with nothing to print.
    const QString menu = QStr(kToolPrint);
    const bool wasEnabled = tools_->Enabled(menu);
    tools_->SetEnabled(menu, false);
    // A copy: the command may replace itself while it runs.
    const std::function<void(int)> command = printResult_;
    command(mode);
    tools_->SetEnabled(menu, wasEnabled);
    return true;
}

void MainFrame::SetEndProcess(std::function<void()> endProcess) {
    endProcess_ = std::move(endProcess);
}

// ---- Caption ----

void MainFrame::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}
std::string MainFrame::Caption() const {
    return windowTitle().toStdString();
}

// ---- The dispatch ----

bool MainFrame::CommitEdits() {
    QMdiSubWindow* active = mdi_->activeSubWindow();
    return EntryGroup::CommitEditedEntry(active ? active->widget() : nullptr);
}

void MainFrame::ToolClick(const QString& qid) {
    const std::string id = qid.toStdString();
    // A command that saves, opens, closes, starts anew or prints takes the
    // value being typed first, as leaving its box would; a refused value
    // stops the command. Ending the program does so in closeEvent.
    const bool takesTheDesign = id == kToolNew || id == kToolOpen || id == kToolClose ||
                                id == kToolSave || id == kToolSaveAs || id == kToolPrintShort ||
                                id == kToolPrintFull || qid.startsWith(QStr(kToolRecentPrefix));
    if (takesTheDesign && !CommitEdits()) return;
    if (id == kToolNew) {
        NewDesign();
    } else if (id == kToolOpen) {
        OpenDesign();
    } else if (id == kToolClose) {
        CloseCommand();
    } else if (id == kToolSave) {
        SaveDesign();
    } else if (id == kToolSaveAs) {
        SaveDesignAs();
    } else if (id == kToolPrintShort || id == kToolPrintFull) {
        RunPrintCommand(id == kToolPrintShort ? 0 : 1);
    } else if (id == kToolExit) {
        close();
    } else if (dialogs_.count(id) != 0 ||
               std::find(std::begin(kSettingsTools), std::end(kSettingsTools), id) !=
                   std::end(kSettingsTools)) {
        auto it = dialogs_.find(id);
        if (it != dialogs_.end() && it->second) it->second();
    } else if (id == kToolArrangeIcons) {
        Hourglass busy;
        tools_->SetEnabled(QStr(kToolArrangeIcons), false);
        steps_->RebuildChain();
        tools_->SetEnabled(QStr(kToolArrangeIcons), true);
    } else if (id == kToolHelpContents) {
        ShowHelpContents(HelpPath);
    } else if (id == kToolHelpSearch) {
        ShowHelpKeywordSearch(HelpPath);
    } else if (id == kToolHomePage) {
        if (MsgBox("クオラのホームページにアクセスしますか？", MsgButtons::YesNo,
                   MsgIcon::Question) == MsgResult::Yes) {
            OpenWebPage(kMakerAddress);
        }
    } else if (id == kToolVersion) {
        ShowVersionDialog();
    } else if (qid.startsWith(QStr(kToolStepIconPrefix))) {
        steps_->ShowStep(static_cast<int>(NumVal(qid.mid(7).toStdString())));
    } else if (qid.startsWith(QStr(kToolRecentPrefix))) {
        OpenRecentFile(static_cast<int>(NumVal(qid.mid(12).toStdString())));
    }
    // Any other tool has no command.
}

void MainFrame::ShowVersionDialog() {
    // A fixed box: it takes the size that holds its texts in whatever face
    // the desktop gives, and can be neither shrunk nor maximised over them.
    QDialog dlg(this, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dlg.setObjectName("FVersion");
    dlg.setWindowTitle(QStr("バージョン情報"));
    auto* box = new QVBoxLayout(&dlg);
    box->setSizeConstraint(QLayout::SetFixedSize);
    box->setContentsMargins(18, 16, 18, 12);
    box->setSpacing(12);
    // Each text keeps a little room round it: the glyphs of a bold or a
    // Japanese face reach past the line height the face reports.
    const auto text = [&dlg](const QString& s) {
        auto* label = new QLabel(s, &dlg);
        label->setMargin(2);
        return label;
    };
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    auto* icon = new QLabel(&dlg);
    icon->setPixmap(windowIcon().isNull()
                        ? style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32)
                        : windowIcon().pixmap(32, 32));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto* names = new QVBoxLayout;
    names->setSpacing(4);
    QLabel* title = text(QStr("タルヴォ－ＳＩ"));
    QFont f = title->font();
    f.setPointSizeF(f.pointSizeF() * 1.5);
    f.setBold(true);
    title->setFont(f);
    names->addWidget(title);
    names->addWidget(text(QStr("Talvo-SI  Version 1.07")));
    top->addLayout(names, 1);
    box->addLayout(top);
    box->addWidget(
        text(QStr("このプログラムは著作権法により保護されています。\n"
                  "このプログラムの全部または一部を無断で複製、配布することを禁じます。")));
    auto* ok = new QPushButton(QStr("OK"), &dlg);
    ok->setObjectName("Command3D1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, &dlg, &QDialog::accept);
    box->addWidget(ok, 0, Qt::AlignRight);
    dlg.exec();
}

// ---- Child windows ----

void MainFrame::PlaceStepWindow(QWidget* window, int widthTwips, int heightTwips) {
    QWidget* target = SubWindowOf(window);
    PlaceTwips(target ? target : window, StepLeft, StepTop, widthTwips, heightTwips);
}

void MainFrame::ShowSelectStep() {
    if (!select_) {
        // Loaded afresh each time it is shown, so every showing runs its load.
        StandaloneStep* w = CreateStandaloneStep(kSelectWindow);
        if (!w) return;
        auto* sub = new QMdiSubWindow;
        sub->setWidget(w);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        mdi_->addSubWindow(sub);
        select_ = w;
        selectSub_ = sub;
        w->Load();
    }
    selectSub_->showNormal();
    selectSub_->show();
    mdi_->setActiveSubWindow(selectSub_);
}

void MainFrame::UnloadSelectStep() {
    if (!selectSub_) return;
    QMdiSubWindow* sub = selectSub_;
    select_ = nullptr;
    selectSub_ = nullptr;
    // The unload may come from one of the window's own handlers: the window
    // goes from the screen now and is deleted once that handler has returned.
    sub->hide();
    mdi_->removeSubWindow(sub);
    sub->deleteLater();
}

void MainFrame::CloseStepChain() {
    steps_->CloseSteps();
}

void MainFrame::ResetStepPosition() {
    StepLeft = 0;
    StepTop = 0;
}

FileChoice MainFrame::RunFileDialog(int action) {
    CMDialog1.FileName = "";
    CMDialog1.DefaultExt = kDesignExt;
    CMDialog1.Filter = kDesignFilter;
    CMDialog1.FilterIndex = 1;
    // Hidden read-only box. The save dialog asks before a chosen name
    // replaces an existing file: a design saved over another by a slip is
    // lost for good. The overwrite save of a named design shows no dialog
    // and asks nothing.
    CMDialog1.Flags = CommonDialog::kHideReadOnly;
    if (action == 2) CMDialog1.Flags |= CommonDialog::kOverwritePrompt;
    CMDialog1.CancelError = true;
    CMDialog1.SetAction(action);
    if (CMDialog1.Cancelled() || CMDialog1.FileName.empty()) return {};
    return FileChoice{true, CMDialog1.FileName};
}

// ---- Load, close request and unload ----

void MainFrame::LoadSetup() {
    PlaceFromSettings();
    for (const char* id : {kToolClose, kToolSave, kToolSaveAs, kToolArrangeIcons}) {
        tools_->SetEnabled(QStr(id), false);
    }
    ClickPending = 0;
    RecalcKusabi = RecalcLoad = RecalcForce = RecalcAnchorBar = 0;
    InitDesignData();
    StandardTab = 0;
    ResetStepPosition();
    TargetFile.clear();
    CurrentFile = kUntitled;
    SetCaption(PlainCaption(CurrentFile));
    ShowSelectStep();
    DataChanged = 0;
    for (int i = 1; i <= 15; ++i) tools_->SetVisible(StepIconId(i), false);
    ShowRecentTools();
}

// The settings file keeps the window's inner rectangle (inside the frame):
// what is stored at exit is restored exactly at the next start, whatever
// frame the desktop draws around it and whenever it draws it.
void MainFrame::PlaceFromSettings() {
    const TwipsRect r = KeepOnScreen(TwipsRect{WinLeft, WinTop, WinWidth, WinHeight},
                                     ScreenWidthTwips(), ScreenHeightTwips());
    setGeometry(TwipsToPixels(r.left, r.top, r.width, r.height));
}

TwipsRect MainFrame::StoredRect() const {
    const QRect g = geometry();
    return TwipsRect{PixelsToTwipsX(g.x()), PixelsToTwipsY(g.y()), PixelsToTwipsX(g.width()),
                     PixelsToTwipsY(g.height())};
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    if (!CommitEdits() || !ConfirmSave()) {
        event->ignore();
        return;
    }
    CloseDesign();
    Unload(true);
    event->accept();
}

bool MainFrame::EndOfSession(bool mayAsk) {
    if (unloaded_) return true;
    if (mayAsk) {
        close();
        return unloaded_;
    }
    // Nothing can be asked: the design stays as it is (the session ends the
    // process all the same), and the settings file is written only where
    // no other run of the program has written since.
    Unload(false);
    close();
    return true;
}

void MainFrame::Unload(bool mayAsk) {
    unloaded_ = true;
    if (isMinimized()) {
        StoreWindowRect(CentredRect(9600, 6100, ScreenWidthTwips(), ScreenHeightTwips()));
    } else {
        StoreWindowRect(StoredRect());
    }
    // Another run of the program on the same folder may have written the
    // settings file since this one read it (a standard table edited there,
    // its recent files): it is not replaced without a question, and kept
    // where none can be asked. No, the default, keeps it.
    std::string error;
    SettingsSave saved = SaveSettingsChecked(IniPath, true, &error);
    if (saved == SettingsSave::AskFirst && mayAsk &&
        MsgBox(ChangedFileQuestion(IniPath), MsgButtons::YesNo, MsgIcon::Exclamation, 1) ==
            MsgResult::Yes) {
        saved = SaveSettingsChecked(IniPath, false, &error);
    }
    if (saved == SettingsSave::Failed && mayAsk) {
        // Reported once; the program ends all the same.
        MsgBox(error, MsgButtons::Ok, MsgIcon::Exclamation);
    }
    if (endProcess_) endProcess_();
}

}  // namespace talvo
