#include "platform/stepform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include "platform/desktop.h"
#include "platform/formkit.h"
#include "shell/globals.h"
#include "shell/stepchain.h"

namespace talvo {

namespace {

// The picture of a step that has none of its own: a small frame lattice.
QIcon LatticePicture() {
    QPixmap pm(16, 16);
    pm.fill(QColor(236, 244, 228));
    QPainter p(&pm);
    p.setPen(QPen(QColor(60, 110, 40), 2));
    for (int v : {2, 8, 14}) {
        p.drawLine(v, 1, v, 15);
        p.drawLine(1, v, 15, v);
    }
    p.end();
    return QIcon(pm);
}

}  // namespace

// ---- StepNavigator ----

namespace {
StepNavigator* g_navigator = nullptr;
}  // namespace

StepNavigator::StepNavigator() {
    g_navigator = this;
}

StepNavigator::~StepNavigator() {
    if (g_navigator == this) g_navigator = nullptr;
}

StepNavigator* StepNavigator::Current() {
    return g_navigator;
}

// ---- StepForm ----

StepForm::StepForm(const QString& className, unsigned navButtons, QWidget* parent)
    : QWidget(parent), className_(className), entries_(new EntryGroup(this)) {
    setObjectName(className);
    setFocusPolicy(Qt::NoFocus);
    setMinimumSize(1, 1);

    ImgIco = new QLabel(this);
    ImgIco->setObjectName(QStringLiteral("ImgIco"));
    PlaceTwips(ImgIco, 0, 0, 240, 240);
    ImgIco->hide();

    NavBar = new QFrame(this);
    NavBar->setObjectName(QStringLiteral("NavBar"));
    NavBar->setFrameShape(QFrame::StyledPanel);
    NavBar->setFrameShadow(QFrame::Sunken);
    PlaceTwips(NavBar, 240, 4200, 8835, 650);
    if (navButtons & kNavBegin)
        cmdBegin = MakeButton(QStringLiteral("cmdBegin"), QStringLiteral("初期画面(&I)"), 60, 1695);
    if (navButtons & kNavBack)
        cmdBack = MakeButton(QStringLiteral("cmdBack"), QStringLiteral("前画面へ(&B)"), 1800, 1695);
    if (navButtons & kNavIndicate)
        cmdIndicate =
            MakeButton(QStringLiteral("cmdIndicate"), QStringLiteral("再表示(&R)"), 3660, 1515);
    if (navButtons & kNavNext)
        cmdNext = MakeButton(QStringLiteral("cmdNext"), QStringLiteral("次画面へ(&N)"), 5340, 1695);
    if (navButtons & kNavResult)
        cmdResult =
            MakeButton(QStringLiteral("cmdResult"), QStringLiteral("結果画面(&A)"), 7080, 1695);
    // Back, Next and Result take the value being typed first, as leaving its
    // box would; a refused value keeps the window, its value and the focus.
    // The start-screen button and Redisplay run their own deferred actions.
    if (cmdBegin)
        connect(cmdBegin, &QPushButton::clicked, this, [this] {
            if (!unloading_) BeginClicked();
        });
    if (cmdBack)
        connect(cmdBack, &QPushButton::clicked, this, [this] {
            if (!unloading_ && entries_->CommitPending(cmdBack)) BackClicked();
        });
    if (cmdIndicate)
        connect(cmdIndicate, &QPushButton::clicked, this, [this] {
            if (!unloading_) IndicateClicked();
        });
    if (cmdNext)
        connect(cmdNext, &QPushButton::clicked, this, [this] {
            if (!unloading_ && entries_->CommitPending(cmdNext)) NextClicked();
        });
    if (cmdResult)
        connect(cmdResult, &QPushButton::clicked, this, [this] {
            if (!unloading_ && entries_->CommitPending(cmdResult)) ResultClicked();
        });

    SetPicture(LatticePicture());
    std::string sink = FocusSinkOf(className.toStdString());
    if (!sink.empty()) UseFocusSink(QString::fromStdString(sink));
    entries_->SetBringToFront([this] { BringToFront(); });
}

StepForm::~StepForm() = default;

QPushButton* StepForm::MakeButton(const QString& name, const QString& caption, int left,
                                  int width) {
    auto* b = new QPushButton(caption, NavBar);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::StrongFocus);
    PlaceTwips(b, left, 180, width, 375);
    return b;
}

void StepForm::SetPicture(const QIcon& picture) {
    picture_ = picture;
    ImgIco->setPixmap(picture.pixmap(16, 16));
}

void StepForm::UseFocusSink(const QString& name, int topTwips) {
    if (!FocusSink) {
        FocusSink = new QLineEdit(this);
        FocusSink->setFocusPolicy(Qt::StrongFocus);
        FocusSink->installEventFilter(this);
        sinkObject_ = FocusSink;
        QPushButton* last = cmdResult     ? cmdResult
                            : cmdNext     ? cmdNext
                            : cmdIndicate ? cmdIndicate
                            : cmdBack     ? cmdBack
                                          : cmdBegin;
        if (last) QWidget::setTabOrder(last, FocusSink);
    }
    FocusSink->setObjectName(name);
    sinkTopTwips_ = topTwips;
    KeepSinkOutOfView();
}

void StepForm::KeepSinkOutOfView() {
    if (!FocusSink) return;
    // Below the inner area of the window: never seen, but able to take the
    // focus; a maximised window is taller, so the sink moves down with it.
    PlaceTwips(FocusSink, 240, sinkTopTwips_, 255, 285);
    if (FocusSink->y() < height()) FocusSink->move(FocusSink->x(), height());
}

void StepForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    KeepSinkOutOfView();
}

void StepForm::showEvent(QShowEvent* event) {
    // Every button of the window is made by now, the window's own too.
    PressButtonsOnReturn(this);
    QWidget::showEvent(event);
}

void StepForm::Load(QMdiSubWindow* sub) {
    if (sub_ || !sub) return;
    sub_ = sub;
    subObject_ = sub;
    RemoveCaptionIcon(this);
    PlaceTwips(sub, StepLeft, StepTop, kWidthTwips, kHeightTwips);
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates o, Qt::WindowStates n) { OnSubWindowStateChanged(o, n); });
    sub->installEventFilter(this);
    OnLoad();
}

QString StepForm::Caption() const {
    return windowTitle();
}

void StepForm::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    if (sub_) sub_->setWindowTitle(caption);
}

WindowState StepForm::State() const {
    return GetWindowState(this);
}

void StepForm::SetState(WindowState state) {
    if (!sub_) return;
    const bool outer = !settingState_;
    settingState_ = true;
    SetWindowState(sub_, state);
    if (outer) settingState_ = false;
}

void StepForm::BringToFront() {
    if (sub_ && sub_->mdiArea()) sub_->mdiArea()->setActiveSubWindow(sub_);
}

QLineEdit* StepForm::FirstEntryBox() const {
    const QRect inner = rect();
    int guard = 0;
    for (QWidget* w = nextInFocusChain(); w && w != this && guard < 100000;
         w = w->nextInFocusChain(), ++guard) {
        auto* box = qobject_cast<QLineEdit*>(w);
        if (!box || box == FocusSink || !isAncestorOf(box)) continue;
        if (!box->isEnabled() || !box->isVisible() || box->isReadOnly()) continue;
        if ((box->focusPolicy() & Qt::TabFocus) != Qt::TabFocus) continue;
        // A box kept below the visible area only takes the focus.
        if (!inner.intersects(QRect(box->mapTo(this, QPoint(0, 0)), box->size()))) continue;
        return box;
    }
    return nullptr;
}

void StepForm::TakeOpeningFocus() {
    if (unloading_ || !sub_ || State() == WindowState::Minimized) return;
    QWidget* now = QApplication::focusWidget();
    const bool held = now && isAncestorOf(now) && now->isEnabled() && now->isVisible() &&
                      now != FocusSink && now->parentWidget() != NavBar;
    if (held) return;
    if (QWidget* opening = OpeningFocus()) opening->setFocus(Qt::OtherFocusReason);
}

QWidget* StepForm::OpeningFocus() const {
    if (QLineEdit* first = FirstEntryBox()) return first;
    return GoOnButton();
}

QPushButton* StepForm::GoOnButton() const {
    for (QPushButton* b : {cmdNext, cmdResult})
        if (b && b->isEnabled() && b->isVisible()) return b;
    return nullptr;
}

void StepForm::SetNavEnabled(bool on) {
    EnableNavButtons(this, on);
}

void StepForm::HandleActivate() {
    if (unloading_ || inActivate_) return;
    inActivate_ = true;
    StepNavigator* m = StepNavigator::Current();
    CurStep = m ? m->StepIndexOf(this) : -1;
    SetNavEnabled(true);
    OnActivate();
    if (m && !unloading_) m->StepHook(CurStep);
    inActivate_ = false;
}

void StepForm::HandleDeactivate() {
    if (unloading_) return;
    SetNavEnabled(false);
    OnDeactivate();
}

void StepForm::HandleResize() {
    if (unloading_ || inResize_) return;
    inResize_ = true;
    StepNavigator* m = StepNavigator::Current();
    CurStep = m ? m->StepIndexOf(this) : -1;
    if (m) m->SetStepCaption(this, CurStep);
    if (State() == WindowState::Minimized) {
        SetNavEnabled(false);
        OnResized(true);
    } else {
        // No pending event is let run here: this runs inside the toolkit's
        // own resizing of the child window, and a repaint handled now would
        // leave the window beneath showing this one's picture.
        SetNavEnabled(true);
        OnResized(false);
    }
    inResize_ = false;
}

void StepForm::OnSubWindowStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState) {
    if (unloading_) return;
    constexpr Qt::WindowStates kSizeStates = Qt::WindowMinimized | Qt::WindowMaximized;
    if ((oldState ^ newState) & kSizeStates) HandleResize();
    const bool wasActive = oldState & Qt::WindowActive;
    const bool isActive = newState & Qt::WindowActive;
    if (!wasActive && isActive) HandleActivate();
    if (wasActive && !isActive) HandleDeactivate();
    // Restored by the engineer from its icon rather than by the program:
    // the steps move on to this one as their buttons would move them.
    const bool restored = (oldState & Qt::WindowMinimized) && !(newState & Qt::WindowMinimized);
    if (restored && !settingState_ && !unloading_)
        if (StepNavigator* m = StepNavigator::Current()) m->StepRestored(this);
}

void StepForm::StartScreenAction() {
    StepMode = 2;
    if (StepNavigator* m = StepNavigator::Current()) m->ShowSelectStep();
}

void StepForm::BeginClicked() {
    entries_->RunDeferred([this] { StartScreenAction(); }, cmdBegin);
}

void StepForm::BackClicked() {
    if (StepNavigator* m = StepNavigator::Current()) m->ShowStep(CurStep - 1);
}

void StepForm::NextClicked() {
    if (StepNavigator* m = StepNavigator::Current()) m->ShowStep(CurStep + 1);
}

void StepForm::ResultClicked() {
    if (StepNavigator* m = StepNavigator::Current()) m->ShowResults(this);
}

void StepForm::IndicateClicked() {
    // The box being edited is checked and stored first; a refused entry
    // keeps the focus. Then the button takes it.
    entries_->RunDeferred([this] { cmdIndicate->setFocus(Qt::OtherFocusReason); }, cmdIndicate);
}

void StepForm::SinkGotFocus(Qt::FocusReason reason) {
    // Deferred actions run from their buttons; a flag left by anything else
    // must not start an action here.
    ClickPending = 0;
    if (reason == Qt::BacktabFocusReason) {
        // Shift+Tab from the first control: the sink is passed backwards, to
        // the last control that can take the focus before it.
        int guard = 0;
        for (QWidget* w = FocusSink->previousInFocusChain(); w && w != FocusSink && guard < 10000;
             w = w->previousInFocusChain(), ++guard) {
            if (!isAncestorOf(w) || !w->isEnabled() || !w->isVisible()) continue;
            if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus) continue;
            w->setFocus(Qt::BacktabFocusReason);
            return;
        }
        return;
    }
    QWidget* target = tabWrapTarget_;
    if (!target) {
        std::string name = TabWrapTargetOf(className_.toStdString());
        if (!name.empty()) target = findChild<QWidget*>(QString::fromStdString(name));
    }
    // A sink that names no target still takes no stop of the Tab key: the
    // engineer would see the focus vanish. It goes round to the first
    // control after it.
    if (!target && reason == Qt::TabFocusReason) target = FocusSink->nextInFocusChain();
    // A target that does not take the Tab key now (an option not chosen, a
    // box hidden by its mode) passes it on to the next control that does.
    int guard = 0;
    while (target && guard++ < 10000 &&
           !(target != FocusSink && isAncestorOf(target) && target->isEnabled() &&
             target->isVisible() && (target->focusPolicy() & Qt::TabFocus) == Qt::TabFocus))
        target = target == FocusSink ? nullptr : target->nextInFocusChain();
    if (target) target->setFocus(Qt::TabFocusReason);
}

void StepForm::PointAtPress(const QMouseEvent* press) {
    // The child window learns which caption button lies under the pointer
    // from mouse moves only. The icons of the workspace close up when one is
    // restored, so the next icon slides under a pointer that has not moved:
    // without a move first, a click there would only make that icon active
    // instead of pressing the button it lands on.
    QMouseEvent move(QEvent::MouseMove, press->position(), press->scenePosition(),
                     press->globalPosition(), Qt::NoButton, Qt::NoButton, press->modifiers(),
                     press->pointingDevice());
    QCoreApplication::sendEvent(sub_, &move);
}

bool StepForm::eventFilter(QObject* watched, QEvent* event) {
    // Only the event type is looked at first: the watched objects also send
    // events while they are being destroyed.
    if (event->type() == QEvent::FocusIn && watched == sinkObject_ && !unloading_ &&
        !EntryGroup::Checking()) {
        auto* fe = static_cast<QFocusEvent*>(event);
        if (fe->reason() != Qt::ActiveWindowFocusReason && fe->reason() != Qt::PopupFocusReason)
            SinkGotFocus(fe->reason());
    } else if (event->type() == QEvent::Resize && watched == subObject_ && !unloading_) {
        HandleResize();
    } else if (event->type() == QEvent::MouseButtonPress && watched == subObject_ && !unloading_) {
        PointAtPress(static_cast<QMouseEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

void StepForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && !HelpPath.empty()) {
        ShowHelpContents(HelpPath);
        return;
    }
    QWidget::keyPressEvent(event);
}

void StepForm::closeEvent(QCloseEvent* event) {
    // A step window leaves only with its chain; the close box does not tear
    // it out of the chain.
    if (unloading_)
        event->accept();
    else
        event->ignore();
}

void EnableNavButtons(StepForm* frm, bool value) {
    if (!frm) return;
    for (QPushButton* b :
         {frm->cmdBegin, frm->cmdBack, frm->cmdIndicate, frm->cmdNext, frm->cmdResult})
        if (b) b->setEnabled(value);
}

}  // namespace talvo
