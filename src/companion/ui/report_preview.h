// Printing the companion's report: the page drawn onto the printing control
// of the preview window, which is then shown modally.
#pragma once

class QWidget;

namespace talvo {
class PrintControl;
class PreviewDlg;
}  // namespace talvo

namespace talvo::companion {

// Draws the report of the current shape onto the control (every page; the
// report has one).
void DrawReportOn(PrintControl& control);

// Builds the preview of the report and shows it modally. `beforeShow`, when
// given, sees the preview before it is shown (tests close it there).
void InsatuPreview(QWidget* parent, void (*beforeShow)(PreviewDlg&) = nullptr);

}  // namespace talvo::companion
