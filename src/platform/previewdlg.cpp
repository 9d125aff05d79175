#include "platform/previewdlg.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <exception>

#include "platform/printcontrol.h"
#include "platform/printpreview.h"
#include "shell/filedialog.h"
#include "shell/message.h"

namespace talvo {

namespace {

// The entries of the zoom list by position: a fitted mode, or a percent.
struct ZoomEntry {
    const char* text;
    ZoomMode mode;
    double percent;
};
constexpr std::array<ZoomEntry, 9> kZoomList{{
    {"ページ全体", ZoomMode::WholePage, 0},
    {"ページ幅", ZoomMode::PageWidth, 0},
    {"2ページ", ZoomMode::TwoPages, 0},
    {"サムネイル", ZoomMode::Thumbnails, 0},
    {"150％", ZoomMode::Percent, 150},
    {"100％", ZoomMode::Percent, 100},
    {"75％", ZoomMode::Percent, 75},
    {"50％", ZoomMode::Percent, 50},
    {"25％", ZoomMode::Percent, 25},
}};

constexpr const char* kPageFooter = "%d";
// The smallest window: 3000 twips at the screen's 15 twips a pixel.
constexpr int kMinimumSide = 200;
// The size the window takes when it is restored from maximised.
constexpr int kRestoredWidth = 800;
constexpr int kRestoredHeight = 600;

bool ShowPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    // The report chooses its pages itself (page print or full print); the
    // paper, orientation and margins are fixed by the printing control.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

PreviewDlg::PreviewDlg(PrintControl& control, DrawReport draw, PreviewProgram program,
                       QWidget* parent)
    : QDialog(parent),
      control_(control),
      draw_(std::move(draw)),
      program_(program),
      setup_(ShowPrintDialog),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setWindowTitle("印刷プレビュー");
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setMinimumSize(kMinimumSide, kMinimumSide);
    printer_->setDocName(program_ == PreviewProgram::Main ? "タルヴォ-SI" : "ミルダ-SI");

    toolBar_ = new QToolBar(this);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    AddTool("ID_Back", "前ページ(&B)");
    AddTool("ID_Next", "次ページ(&N)");
    pageText_ = new QLabel(toolBar_);
    pageText_->setObjectName("ID_PageText");
    pageText_->setMinimumWidth(60);
    pageText_->setAlignment(Qt::AlignCenter);
    tools_["ID_PageText"] = toolBar_->addWidget(pageText_);
    toolBar_->addSeparator();
    AddTool("ID_Up", "拡大");
    AddTool("ID_Dawn", "縮小");
    zoomList_ = new QComboBox(toolBar_);
    zoomList_->setObjectName("ID_Combo");
    zoomList_->setToolTip("拡大率");
    for (const auto& entry : kZoomList) zoomList_->addItem(QString::fromUtf8(entry.text));
    tools_["ID_Combo"] = toolBar_->addWidget(zoomList_);
    toolBar_->addSeparator();
    AddTool("ID_Set", "設定(&T)...");
    // The companion's report is one page and has no page print: the tool is
    // not offered there rather than shown doing nothing.
    if (program_ == PreviewProgram::Main) AddTool("ID_PagePrint", "現在のページを印刷(&V)");
    AddTool("ID_Print", "印刷(&P)");
    AddTool("ID_PDF", "PDF...")->setToolTip("PDFファイルの作成");
    toolBar_->addSeparator();
    AddTool("ID_Close", "閉じる(&C)");
    connect(zoomList_, &QComboBox::activated, this,
            [this](int position) { ComboChange(position); });
    // Tab walks the bar in the order it stands, the zoom list among the
    // tools, then the button that shows the tools a narrow window folds away
    // (there only then), and goes on to the page.
    QList<QWidget*> stops;
    for (QAction* action : toolBar_->actions())
        if (QWidget* stop = toolBar_->widgetForAction(action);
            stop && stop->focusPolicy() != Qt::NoFocus)
            stops << stop;
    if (auto* folded = toolBar_->findChild<QToolButton*>("qt_toolbar_ext_button")) {
        folded->setFocusPolicy(Qt::TabFocus);
        stops << folded;
    }

    preview_ = new PrintPreview(control_, this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(preview_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setBackgroundRole(QPalette::Dark);
    scroll->setObjectName("PreviewPage");
    stops << scroll;
    for (qsizetype i = 1; i < stops.size(); ++i) setTabOrder(stops[i - 1], stops[i]);

    // The strip shown while printing: where the print goes, the page being
    // printed and a button that stops the print.
    printingStrip_ = new QWidget(this);
    auto* strip = new QHBoxLayout(printingStrip_);
    strip->setContentsMargins(8, 4, 8, 4);
    auto* heading = new QLabel("印刷中...", printingStrip_);
    destination_ = new QLabel(printingStrip_);
    destination_->setObjectName("PrintDestination");
    printingText_ = new QLabel(printingStrip_);
    printingText_->setObjectName("PrintingText");
    printingText_->setAlignment(Qt::AlignCenter);
    cancel_ = new QPushButton("キャンセル", printingStrip_);
    cancel_->setObjectName("PrintCancel");
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelRequested_ = true; });
    strip->addWidget(heading);
    strip->addWidget(destination_);
    strip->addWidget(printingText_, 1);
    strip->addWidget(cancel_);
    printingStrip_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    layout->addWidget(printingStrip_);
    layout->addWidget(scroll, 1);

    connect(preview_, &PrintPreview::pageChanged, this, [this](int page) { ShowPageState(page); });
    connect(this, &QDialog::finished, this, [this] { previewOpen_ = false; });

    // Restored from its maximised start, the window is wide enough for every
    // tool of its bar: a narrower one folds the PDF and close tools away.
    resize(std::max(toolBar_->sizeHint().width(), kRestoredWidth), kRestoredHeight);

    // The load step.
    setWindowState(windowState() | Qt::WindowMaximized);
    control_.SetFooter(program_ == PreviewProgram::Main ? kPageFooter : "");
    preview_->SetZoomMode(ZoomMode::WholePage);
    zoomList_->setCurrentIndex(0);
    ShowPageState(preview_->PreviewPage());
}

PreviewDlg::~PreviewDlg() = default;

QAction* PreviewDlg::AddTool(const std::string& id, const QString& caption) {
    QAction* action = toolBar_->addAction(caption);
    // The tool bar shows the caption whole (by default it drops a trailing "...").
    action->setIconText(caption);
    action->setObjectName(QString::fromStdString(id));
    connect(action, &QAction::triggered, this, [this, id] { ToolClick(id); });
    tools_[id] = action;
    // A tool bar's buttons take no focus by default: without it a tool with
    // no mnemonic (PDF..., 拡大, 縮小) could not be reached from the keyboard.
    if (QWidget* button = toolBar_->widgetForAction(action)) {
        button->setObjectName(QString::fromStdString(id) + "_Button");
        button->setFocusPolicy(Qt::TabFocus);
    }
    return action;
}

QAction* PreviewDlg::Tool(const std::string& id) const {
    const auto it = tools_.find(id);
    return it == tools_.end() ? nullptr : it->second;
}

QString PreviewDlg::PageText() const {
    return pageText_->text();
}

QString PreviewDlg::PrintingText() const {
    return printingStrip_->isHidden() ? QString() : printingText_->text();
}

QString PreviewDlg::DestinationText() const {
    return printingStrip_->isHidden() ? QString() : destination_->text();
}

namespace {

// "出力先 name(port)": a file print names the file as its port, a printer
// its location (or its model when it has none).
QString Destination(const QPrinter& printer) {
    QString name = printer.printerName();
    QString port = printer.outputFileName();
    if (!port.isEmpty()) {
        if (name.isEmpty()) name = "PDF";
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(name);
        port = info.location().isEmpty() ? info.makeAndModel() : info.location();
    }
    return QString("出力先 %1(%2)").arg(name, port);
}

}  // namespace

void PreviewDlg::Refresh() {
    preview_->DocumentChanged();
    ShowPageState(preview_->PreviewPage());
}

void PreviewDlg::ShowPageState(int page) {
    const int count = preview_->PageCount();
    // A page with no page after it (also an empty document) cannot go on.
    Tool("ID_Back")->setEnabled(page > 1);
    Tool("ID_Next")->setEnabled(page < count);
    pageText_->setText(QString("%1/%2").arg(page).arg(count));
}

void PreviewDlg::PrevPage() {
    if (preview_->PreviewPage() > 1) preview_->SetPreviewPage(preview_->PreviewPage() - 1);
    ShowPageState(preview_->PreviewPage());
}

void PreviewDlg::NextPage() {
    if (preview_->PreviewPage() < preview_->PageCount())
        preview_->SetPreviewPage(preview_->PreviewPage() + 1);
    ShowPageState(preview_->PreviewPage());
}

void PreviewDlg::ToolClick(const std::string& id) {
    if (id == "ID_Back") {
        PrevPage();
    } else if (id == "ID_Next") {
        NextPage();
    } else if (id == "ID_Set") {
        if (setup_) setup_(*printer_, this);
    } else if (id == "ID_PagePrint") {
        PrintCurPage();
    } else if (id == "ID_Print") {
        PrintAllPage();
    } else if (id == "ID_PDF") {
        SavePdf();
    } else if (id == "ID_Up") {
        preview_->ZoomIn();
        ShowZoomInList();
    } else if (id == "ID_Dawn") {
        preview_->ZoomOut();
        ShowZoomInList();
    } else if (id == "ID_Close") {
        close();
    }
}

// After a zoom step the list shows the percent reached rather than an entry.
void PreviewDlg::ShowZoomInList() {
    zoomList_->setPlaceholderText(QString("%1％").arg(qRound(preview_->Zoom())));
    zoomList_->setCurrentIndex(-1);
}

void PreviewDlg::ComboChange(int position) {
    if (position >= 0 && position < static_cast<int>(kZoomList.size())) {
        const ZoomEntry& entry = kZoomList[static_cast<size_t>(position)];
        if (entry.mode == ZoomMode::Percent)
            preview_->SetZoom(entry.percent);
        else
            preview_->SetZoomMode(entry.mode);
        if (zoomList_->currentIndex() != position) zoomList_->setCurrentIndex(position);
    }
    ShowPageState(preview_->PreviewPage());
}

std::string PreviewDlg::Draw(int page) {
    try {
        draw_(control_, page);
        return "";
    } catch (const std::exception& e) {
        std::string text = e.what();
        return text.empty() ? "印刷できませんでした。" : text;
    }
}

void PreviewDlg::SetPrinting(const QString& text) {
    printingText_->setText(text);
    destination_->setText(text.isEmpty() ? QString() : Destination(*printer_));
    printingStrip_->setVisible(!text.isEmpty());
    // The bar is off while printing, which takes the focus from the tool
    // pressed; it comes back to that tool, where a keyboard user left it.
    if (!text.isEmpty()) focusBeforePrint_ = focusWidget();
    toolBar_->setEnabled(text.isEmpty());
    if (text.isEmpty() && focusBeforePrint_ && focusBeforePrint_->isEnabled())
        focusBeforePrint_->setFocus(Qt::OtherFocusReason);
    if (text.isEmpty()) focusBeforePrint_ = nullptr;
    if (!text.isEmpty()) emit printing(text);
}

void PreviewDlg::PrintReport(int page, const QString& progress, bool rebuild) {
    cancelRequested_ = false;
    SetPrinting(progress);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string failure = Draw(page);
    // Each page puts up its number (the page print keeps its own text, the
    // document's page number) and lets the cancel button be pressed.
    const auto beforePage = [&](int printed) {
        const int docPage = page == 0 ? printed : page;
        if (page == 0) printingText_->setText(QString("%1 ページ目を印刷中").arg(docPage));
        emit pagePrinting(docPage);
        QCoreApplication::processEvents();
        return !cancelRequested_;
    };
    if (failure.empty()) failure = control_.Print(*printer_, 0, beforePage);
    // Back to the preview: its footer, and its whole document when the
    // control holds a single page or a report that ended half-way.
    control_.SetFooter(program_ == PreviewProgram::Main ? kPageFooter : "");
    std::string rebuilt;
    if (rebuild || !failure.empty()) rebuilt = Draw(0);
    QApplication::restoreOverrideCursor();
    SetPrinting(QString());
    Refresh();
    if (!failure.empty()) MsgBox(failure, MsgButtons::Ok, MsgIcon::Exclamation, 0, messageTitle_);
    if (!rebuilt.empty() && rebuilt != failure)
        MsgBox(rebuilt, MsgButtons::Ok, MsgIcon::Exclamation, 0, messageTitle_);
}

void PreviewDlg::PrintCurPage() {
    if (program_ != PreviewProgram::Main) return;
    const int page = preview_->PreviewPage();
    control_.SetFooter(std::to_string(page));
    PrintReport(page, QString("%1 ページ目を印刷中").arg(page), true);
}

void PreviewDlg::PrintAllPage() {
    PrintReport(0, "印刷中...", false);
}

void PreviewDlg::SavePdf() {
    CommonDialog dialog;
    dialog.DialogTitle = "PDFファイルに保存";
    dialog.FileName = "";
    dialog.Filter = "PDFファイル(*.PDF)|*.PDF|";
    dialog.CancelError = true;
    dialog.Flags = CommonDialog::kOverwritePrompt | CommonDialog::kHideReadOnly;
    // A name typed without an extension gets ".pdf", as a design file gets
    // ".kvd"; a name with an extension of its own is kept as typed.
    dialog.DefaultExt = "pdf";
    dialog.ShowSave();
    if (dialog.Cancelled() || dialog.FileName.empty()) return;
    const std::string failure = control_.SavePdf(dialog.FileName);
    if (!failure.empty()) MsgBox(failure, MsgButtons::Ok, MsgIcon::Exclamation, 0, messageTitle_);
}

void PreviewDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ShowPageState(preview_->PreviewPage());
    previewOpen_ = true;
}

void PreviewDlg::closeEvent(QCloseEvent* event) {
    previewOpen_ = false;
    QDialog::closeEvent(event);
}

void PreviewDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Home:
            preview_->SetPreviewPage(1);
            break;
        case Qt::Key_End:
            preview_->SetPreviewPage(preview_->PageCount());
            break;
        case Qt::Key_PageUp:
            PrevPage();
            break;
        case Qt::Key_PageDown:
            NextPage();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Return presses the tool that has the focus, as Space does.
            if (auto* button = qobject_cast<QToolButton*>(focusWidget());
                button && button->parentWidget() == toolBar_ && button->isEnabled()) {
                button->click();
                break;
            }
            QDialog::keyPressEvent(event);
            return;
        default:
            QDialog::keyPressEvent(event);
            return;
    }
    event->accept();
}

}  // namespace talvo
