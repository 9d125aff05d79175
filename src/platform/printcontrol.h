// The printing control: the page output the report draws on in the program.
// It records the report's pages (RecordingOutput) and replays them with
// QPainter onto the preview, a printer or a PDF file, so that all three show
// the same drawing.
//
// Replay coordinates are twips from the paper's top-left corner; the paper is
// A4 portrait and the control has no margins of its own (the report's page
// set-up places its blocks itself).
#pragma once

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "report/engine/layoutform.h"
#include "report/engine/recorder.h"

class QPainter;
class QPaintDevice;
class QPrinter;

namespace talvo {

// The installed face that prints a report face: the four faces the forms use
// (and their vertical-writing "@" variants) map to the IPA fonts; any other
// name passes through unchanged (Qt's own substitution takes over when the
// system lacks it).
QString ReportFontFamily(std::string_view face);

// The font a recorded text prints in, sized in twips (a point is 20 twips)
// so that it scales with a painter whose unit is the twip.
QFont ReportFont(const report::FontSpec& spec);

class PrintControl : public report::RecordingOutput {
public:
    PrintControl();

    // Text printed on every page, centred near the bottom edge; "%d" stands
    // for the page's number. Empty prints nothing. It is applied when the
    // pages are replayed, so a change shows on the pages already recorded.
    void SetFooter(std::string footer) { footer_ = std::move(footer); }
    const std::string& Footer() const { return footer_; }

    // Where the pictures of the installation are looked for; by default the
    // folder of the running program.
    void SetPictureFolder(QString folder);

    // A face is installed when the face it maps to is known to the system.
    bool FontInstalled(std::string_view name) const override;

    // Paints page `page` (1-based) of the recorded document. The painter's
    // unit must already be the twip with its origin at the paper's top-left
    // (see SetTwipsTransform). A page out of range paints nothing.
    void RenderPage(QPainter& painter, int page) const;

    // Makes one painter unit a twip on `device`, its origin at the device's
    // top-left, with `scale` times the device's own size (1 on paper; the
    // zoom of the preview on screen).
    static void SetTwipsTransform(QPainter& painter, const QPaintDevice& device,
                                  double scale = 1.0);

    // The recorded document as PDF: every page at 1440 dpi (one twip is one
    // device unit), the fonts embedded. Empty bytes when there is no page.
    QByteArray PdfBytes() const;

    // Writes the PDF to `path`, replacing the file whole or leaving it
    // untouched. Returns "" on success, else the Japanese error text.
    std::string SavePdf(const std::string& path) const;

    // Called before each printed page with its place in the print (1, 2, …);
    // false stops the print there.
    using PageHook = std::function<bool(int printed)>;

    // Prints the recorded pages on `printer` on A4 portrait paper, full page
    // without margins: every page when `page` is 0, else only that page
    // (1-based). Returns "" on success, else the Japanese error text. When
    // `beforePage` stops the print the printer's job is aborted, nothing is
    // reported and `*cancelled` (when given) becomes true. A printer set to
    // print into a PDF file has the file written as SavePdf writes it
    // (replaced whole or left untouched; nothing written when stopped).
    std::string Print(QPrinter& printer, int page = 0, const PageHook& beforePage = {},
                      bool* cancelled = nullptr) const;

private:
    // Paints pages first to last; false when `newPage` failed or
    // `beforePage` stopped it.
    bool PaintPages(QPainter& painter, int first, int last, const std::function<bool()>& newPage,
                    const PageHook& beforePage = {}) const;
    // Pages first to last as PDF; empty bytes when writing failed or
    // `beforePage` stopped it (then `*stopped` becomes true).
    QByteArray PdfPages(int first, int last, const PageHook& beforePage = {},
                        bool* stopped = nullptr) const;
    // Replaces `path` by `bytes`; "" or the Japanese error text.
    static std::string WritePdf(const std::string& path, const QByteArray& bytes);
    void PaintPicture(QPainter& painter, const report::PictureOp& op) const;
    void DrawFooter(QPainter& painter, int page) const;
    const QImage& Picture(const std::string& name) const;

    std::string footer_;
    QString pictureFolder_;
    // Pictures read once per name (a null image: not readable, the built-in
    // drawing stands in). The preview repaints often; the file is read once.
    mutable std::map<std::string, QImage, std::less<>> pictures_;
};

// The built-in script ℓ, stretched into `rect` (twips), for a picture file
// that is missing or unreadable.
void DrawBuiltInScriptL(QPainter& painter, const QRectF& rect);

}  // namespace talvo
