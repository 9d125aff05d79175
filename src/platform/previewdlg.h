// The preview window: the report's pages on screen with the tool bar that
// pages through them, zooms, prints the page shown or every page, opens the
// printer settings and saves the report as a PDF file.
//
// The window does not know the report: it is given the procedure that draws
// it onto the printing control (the whole document for page 0, only page n
// otherwise) and runs it again for each print. Both programs use it; the
// companion differs only by the PreviewProgram it passes.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "shell/message.h"

class QAction;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QWidget;
class QToolBar;

namespace talvo {

class PrintControl;
class PrintPreview;

enum class PreviewProgram {
    Main,       // footer "%d" on every page, the page print prints the page shown
    Companion,  // no footer, no page print tool (the report is one page)
};

class PreviewDlg : public QDialog {
    Q_OBJECT
public:
    // Draws the report onto the control: every page when `page` is 0, else
    // only page `page`. A failure is thrown (std::exception, Japanese text).
    using DrawReport = std::function<void(PrintControl& control, int page)>;
    // Shows the printer settings for `printer`; true when they were accepted.
    using PrinterSetup = std::function<bool(QPrinter& printer, QWidget* parent)>;

    // The load step: the report is expected on `control` already (or drawn
    // afterwards, followed by Refresh()). Sets the footer, the whole-page
    // zoom and the state of the tools.
    PreviewDlg(PrintControl& control, DrawReport draw,
               PreviewProgram program = PreviewProgram::Main, QWidget* parent = nullptr);
    ~PreviewDlg() override;

    // The tools by their ID strings: "ID_Back", "ID_Next", "ID_PageText",
    // "ID_Set", "ID_PagePrint" (the design program's only), "ID_Print",
    // "ID_PDF", "ID_Up", "ID_Dawn", "ID_Combo", "ID_Close". Null for any other ID.
    QAction* Tool(const std::string& id) const;
    QComboBox* ZoomList() const { return zoomList_; }
    PrintPreview& Preview() const { return *preview_; }
    QToolBar* ToolBar() const { return toolBar_; }

    // What the page tool shows: "2/5".
    QString PageText() const;
    // The progress text shown while printing; empty when not printing.
    QString PrintingText() const;
    // Where the print goes, shown while printing: "出力先 name(port)".
    QString DestinationText() const;
    // The cancel button of the printing strip (visible while printing).
    QPushButton* CancelButton() const { return cancel_; }
    // The printer that prints the report; 設定 changes it.
    QPrinter& Printer() const { return *printer_; }
    // Replaces the printer settings dialog (tests answer it themselves).
    void SetPrinterSetup(PrinterSetup setup) { setup_ = std::move(setup); }
    // The preview is open: true from the first showing until it closes.
    bool PreviewOpen() const { return previewOpen_; }
    // The title of the preview's messages (a print or a PDF that failed):
    // the program's own; "Talvo-SI" unless the program gives another.
    void SetMessageTitle(std::string title) { messageTitle_ = std::move(title); }

    // After the report was drawn anew on the control from outside.
    void Refresh();

    // The tools' actions, callable as the tool bar calls them.
    void ToolClick(const std::string& id);
    void ComboChange(int position);
    void PrevPage();
    void NextPage();
    void ShowPageState(int page);
    void PrintCurPage();
    void PrintAllPage();
    void SavePdf();

signals:
    // The progress text has just been put up; the print follows.
    void printing(const QString& text);
    // Page `page` of the document is about to be printed; its progress text
    // is up. Cancelling now stops the print before that page.
    void pagePrinting(int page);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QAction* AddTool(const std::string& id, const QString& caption);
    // Draws the report for the printer (page 0: all), prints it and builds
    // the preview again when `rebuild` is set or the print failed.
    void PrintReport(int page, const QString& progress, bool rebuild);
    // Draws the report; "" or the failure's text.
    std::string Draw(int page);
    void SetPrinting(const QString& text);
    void ShowZoomInList();

    PrintControl& control_;
    DrawReport draw_;
    PreviewProgram program_;
    PrinterSetup setup_;
    std::unique_ptr<QPrinter> printer_;
    PrintPreview* preview_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QComboBox* zoomList_ = nullptr;
    QLabel* pageText_ = nullptr;
    QWidget* printingStrip_ = nullptr;
    QLabel* printingText_ = nullptr;
    QLabel* destination_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool cancelRequested_ = false;
    QPointer<QWidget> focusBeforePrint_;
    std::map<std::string, QAction*> tools_;
    bool previewOpen_ = false;
    std::string messageTitle_ = kAppTitle;
};

}  // namespace talvo
