#include "platform/printcontrol.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <variant>

#include "platform/bmppicture.h"
#include "shell/fileio.h"

namespace talvo {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;

// The footer: the report's text face, centred, at report::kFooterTopFromBottom.
constexpr double kFooterPoints = 9;

QColor ToQColor(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// Dash patterns of the broken styles, in twips (dash, gap, ...): fixed on
// paper, whatever the device's resolution. Qt's own patterns count in pen
// widths, and for the thinnest pen in device pixels: at 1440 dpi a dash would
// be a few twips long and the line would print solid.
QList<qreal> DashTwips(report::PenStyle style) {
    switch (style) {
        case report::PenStyle::Dash:
            return {90, 30};
        case report::PenStyle::Dot:
            return {15, 30};
        case report::PenStyle::DashDot:
            return {90, 30, 15, 30};
        case report::PenStyle::DashDotDot:
            return {90, 30, 15, 30, 15, 30};
        default:
            return {};
    }
}

// The thinnest broken line: about 0.14 mm, and never less than one device
// pixel so that it stays visible in a small preview.
constexpr double kThinDashedTwips = 8;

QPen ToQPen(const report::PenSpec& spec, const QPainter& painter) {
    if (spec.style == report::PenStyle::None) return QPen(Qt::NoPen);
    QPen pen(ToQColor(spec.color));
    // Round ends and joins, so that the rulings of a table meet without
    // notches at the corners whatever their width.
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    const QList<qreal> dashes = DashTwips(spec.style);
    if (dashes.isEmpty()) {
        // Width 0 is the device's thinnest line (a cosmetic pen); a positive
        // width is in twips and scales with the page like everything else.
        pen.setWidthF(std::max(0, spec.width));
        pen.setCosmetic(spec.width <= 0);
        return pen;
    }
    const double pixel = 1 / std::max(1e-9, std::abs(painter.transform().m11()));
    const double width = std::max({static_cast<double>(spec.width), kThinDashedTwips, pixel});
    pen.setWidthF(width);
    pen.setCosmetic(false);
    pen.setCapStyle(Qt::FlatCap);  // round ends would eat the gaps
    QList<qreal> pattern;
    for (qreal twips : dashes) pattern.append(twips / width);
    pen.setDashPattern(pattern);
    return pen;
}

QPageLayout LayoutFor(const report::RecordedDocument& doc) {
    const bool a4 = std::abs(doc.pageWidth - report::kA4WidthTwips) < 1 &&
                    std::abs(doc.pageHeight - report::kA4HeightTwips) < 1;
    const QPageSize size =
        a4 ? QPageSize(QPageSize::A4)
           : QPageSize(QSizeF(doc.pageWidth / kTwipsPerPoint, doc.pageHeight / kTwipsPerPoint),
                       QPageSize::Point);
    QPageLayout layout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

// The cell of a text drawn at (x, y): the baseline lies the font's ascent
// below the cell's top; Right and Center place the cell's right end or
// centre at x.
void DrawText(QPainter& painter, const QFont& font, const QColor& color, double x, double y,
              report::TextAlign align, const QString& text) {
    const QFontMetricsF metrics(font, painter.device());
    double left = x;
    if (align != report::TextAlign::Left) {
        const double width = metrics.horizontalAdvance(text);
        left = align == report::TextAlign::Right ? x - width : x - width / 2;
    }
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QPointF(left, y + metrics.ascent()), text);
}

}  // namespace

QString ReportFontFamily(std::string_view face) {
    // The vertical-writing variant of a face ("@" in front) prints with the
    // face itself: the report sets no vertical text.
    if (face.starts_with('@')) face.remove_prefix(1);
    if (face == "ＭＳ 明朝") return QStringLiteral("IPAMincho");
    if (face == "ＭＳ Ｐ明朝") return QStringLiteral("IPAPMincho");
    if (face == "ＭＳ ゴシック") return QStringLiteral("IPAGothic");
    if (face == "ＭＳ Ｐゴシック") return QStringLiteral("IPAPGothic");
    return QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
}

QFont ReportFont(const report::FontSpec& spec) {
    QFont font(ReportFontFamily(spec.name));
    // Pixel size in painter units: a twip painter makes a point 20 units.
    // Point sizes would be converted with the device's resolution first and
    // come out wrong under the twips transform.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(spec.size * kTwipsPerPoint))));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    // Advances that scale exactly with the zoom, as on paper: no hinting to
    // the screen's pixels, no kerning (the forms were laid out without it).
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

PrintControl::PrintControl() {
    if (QCoreApplication::instance()) pictureFolder_ = QCoreApplication::applicationDirPath();
}

void PrintControl::SetPictureFolder(QString folder) {
    pictureFolder_ = std::move(folder);
    pictures_.clear();
}

bool PrintControl::FontInstalled(std::string_view name) const {
    if (name.empty()) return false;
    return QFontDatabase::hasFamily(ReportFontFamily(name));
}

void PrintControl::SetTwipsTransform(QPainter& painter, const QPaintDevice& device, double scale) {
    painter.resetTransform();
    painter.scale(scale * device.logicalDpiX() / kTwipsPerInch,
                  scale * device.logicalDpiY() / kTwipsPerInch);
}

void PrintControl::RenderPage(QPainter& painter, int page) const {
    const auto& pages = Document().pages;
    if (page < 1 || page > static_cast<int>(pages.size())) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setBrush(Qt::NoBrush);
    for (const report::DrawOp& op : pages[static_cast<std::size_t>(page - 1)].ops) {
        if (const auto* text = std::get_if<report::TextOp>(&op)) {
            DrawText(painter, ReportFont(text->font), ToQColor(text->color), text->x, text->y,
                     text->align, QString::fromStdString(text->text));
        } else if (const auto* line = std::get_if<report::LineOp>(&op)) {
            painter.setPen(ToQPen(line->pen, painter));
            painter.drawLine(QPointF(line->x1, line->y1), QPointF(line->x2, line->y2));
        } else if (const auto* rect = std::get_if<report::RectOp>(&op)) {
            QRectF box =
                QRectF(QPointF(rect->x1, rect->y1), QPointF(rect->x2, rect->y2)).normalized();
            // An inside-frame pen keeps the whole stroke within the box.
            if (rect->pen.style == report::PenStyle::InsideFrame && rect->pen.width > 0) {
                const double half = rect->pen.width / 2.0;
                box.adjust(half, half, -half, -half);
            }
            painter.setPen(ToQPen(rect->pen, painter));
            painter.drawRect(box);
        } else if (const auto* picture = std::get_if<report::PictureOp>(&op)) {
            PaintPicture(painter, *picture);
        }
    }
    DrawFooter(painter, page);
    painter.restore();
}

void PrintControl::DrawFooter(QPainter& painter, int page) const {
    if (footer_.empty()) return;
    QString text = QString::fromStdString(footer_);
    text.replace(QStringLiteral("%d"), QString::number(page));
    report::FontSpec spec;
    spec.size = kFooterPoints;
    const auto& doc = Document();
    DrawText(painter, ReportFont(spec), Qt::black, doc.pageWidth / 2,
             doc.pageHeight - report::kFooterTopFromBottom, report::TextAlign::Center, text);
}

const QImage& PrintControl::Picture(const std::string& name) const {
    if (auto it = pictures_.find(name); it != pictures_.end()) return it->second;
    QImage image;
    // Only a bare file name of the program folder: a name that climbs out of
    // it is no picture of the installation.
    const QString file = QString::fromStdString(name);
    if (!file.isEmpty() && !file.contains(u'/') && !file.contains(u'\\') && file != u".." &&
        !pictureFolder_.isEmpty()) {
        // Null when missing, unreadable, damaged or no bitmap.
        image = ReadBmpPicture(QDir(pictureFolder_).filePath(file));
    }
    return pictures_.emplace(name, std::move(image)).first->second;
}

void PrintControl::PaintPicture(QPainter& painter, const report::PictureOp& op) const {
    const QRectF target = QRectF(op.x, op.y, op.width, op.height).normalized();
    if (target.isEmpty()) return;
    const QImage& image = Picture(op.name);
    if (!image.isNull()) {
        painter.drawImage(target, image);
    } else if (op.name == report::kScriptLPicture) {
        DrawBuiltInScriptL(painter, target);
    }
    // Any other missing picture is left out: a picture never fails a report.
}

void DrawBuiltInScriptL(QPainter& painter, const QRectF& rect) {
    // A looped script ℓ in a unit box (y downwards): up from the lower left to
    // the top of the loop, down the left side of it, and out to a tail on the
    // right.
    const auto at = [&rect](double u, double v) {
        return QPointF(rect.left() + u * rect.width(), rect.top() + v * rect.height());
    };
    QPainterPath path(at(0.22, 0.74));
    path.cubicTo(at(0.48, 0.52), at(0.80, 0.20), at(0.64, 0.07));
    path.cubicTo(at(0.52, -0.02), at(0.32, 0.12), at(0.34, 0.52));
    path.cubicTo(at(0.35, 0.84), at(0.52, 0.98), at(0.78, 0.80));
    painter.save();
    QPen pen(Qt::black, std::max(1.0, std::min(rect.width(), rect.height()) * 0.08));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

bool PrintControl::PaintPages(QPainter& painter, int first, int last,
                              const std::function<bool()>& newPage,
                              const PageHook& beforePage) const {
    for (int page = first; page <= last; ++page) {
        if (beforePage && !beforePage(page - first + 1)) return false;
        if (page > first && !newPage()) return false;
        RenderPage(painter, page);
    }
    return true;
}

QByteArray PrintControl::PdfBytes() const {
    return PdfPages(1, static_cast<int>(Document().pages.size()));
}

QByteArray PrintControl::PdfPages(int first, int last, const PageHook& beforePage,
                                  bool* stopped) const {
    if (stopped) *stopped = false;
    const auto& doc = Document();
    if (doc.pages.empty()) return {};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(static_cast<int>(kTwipsPerInch));  // one twip per device unit
        writer.setPageLayout(LayoutFor(doc));
        writer.setCreator(QStringLiteral("タルヴォ-SI"));
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        SetTwipsTransform(painter, writer);
        bool halted = false;
        PaintPages(
            painter, first, last, [&writer] { return writer.newPage(); },
            [&](int printed) {
                if (!beforePage || beforePage(printed)) return true;
                halted = true;
                return false;
            });
        if (!painter.end()) return {};
        if (halted) {
            if (stopped) *stopped = true;
            return {};
        }
    }
    return buffer.data();
}

std::string PrintControl::WritePdf(const std::string& path, const QByteArray& bytes) {
    if (bytes.isEmpty()) return "PDFファイルを作成できません。";
    return ReplaceFile(path,
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::string PrintControl::SavePdf(const std::string& path) const {
    if (Document().pages.empty()) return "PDFファイルに書き出すページがありません。";
    return WritePdf(path, PdfBytes());
}

std::string PrintControl::Print(QPrinter& printer, int page, const PageHook& beforePage,
                                bool* cancelled) const {
    if (cancelled) *cancelled = false;
    const auto& doc = Document();
    const int count = static_cast<int>(doc.pages.size());
    if (count == 0) return "印刷するページがありません。";
    if (page < 0 || page > count) return "印刷するページがありません。";
    // The layout first: setting it would undo the full-page mode.
    printer.setPageLayout(LayoutFor(doc));
    printer.setFullPage(true);
    const int first = page == 0 ? 1 : page;
    const int last = page == 0 ? count : page;
    // A print into a PDF file (the printer settings offer it beside the
    // printers) is written as the PDF tool writes its file: whole or not at
    // all, over an ordinary file only, and a failure names the file and the
    // reason. The printer's own file output writes in place, leaves a half
    // file behind a failure, waits for ever on a pipe of that name and says
    // no more than that it cannot start.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        bool stopped = false;
        const QByteArray bytes = PdfPages(first, last, beforePage, &stopped);
        if (stopped) {
            if (cancelled) *cancelled = true;
            return "";
        }
        return WritePdf(printer.outputFileName().toStdString(), bytes);
    }
    QPainter painter;
    if (!painter.begin(&printer)) return "印刷を開始できません。";
    SetTwipsTransform(painter, printer);
    bool broken = false;
    bool stopped = false;
    PaintPages(
        painter, first, last,
        [&] {
            if (printer.newPage()) return true;
            broken = true;
            return false;
        },
        [&](int printed) {
            if (!beforePage || beforePage(printed)) return true;
            stopped = true;
            return false;
        });
    if (stopped) {
        // The job goes nowhere: the printer drops what it was given.
        printer.abort();
        painter.end();
        if (cancelled) *cancelled = true;
        return "";
    }
    if (!painter.end() || broken) return "印刷できませんでした。";
    return "";
}

}  // namespace talvo
