#include "companion/ui/report_preview.h"

#include "companion/report.h"
#include "companion/study.h"
#include "platform/previewdlg.h"
#include "platform/printcontrol.h"

namespace talvo::companion {

void DrawReportOn(PrintControl& control) {
    DrawCompanionReport(control);
}

void InsatuPreview(QWidget* parent, void (*beforeShow)(PreviewDlg&)) {
    PrintControl control;
    DrawReportOn(control);
    // The preview draws the page again for each print, from the record as it
    // is then (the preview is modal: the record cannot change meanwhile).
    PreviewDlg dlg(
        control, [](PrintControl& c, int) { DrawReportOn(c); }, PreviewProgram::Companion, parent);
    dlg.SetMessageTitle(kTitle);
    if (beforeShow) beforeShow(dlg);
    dlg.exec();
}

}  // namespace talvo::companion
