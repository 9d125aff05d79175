// Reading a written PDF back with the poppler tools (pdftotext, pdfinfo), for
// the tests of what the report and the preview write.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>

namespace talvo::test {

// The output of a poppler tool, or nothing when it could not run or failed.
inline std::optional<QString> RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of page `page` (from 1), laid out as on the page.
inline std::optional<QString> PdfPageText(const QString& pdf, int page) {
    const QString n = QString::number(page);
    return RunTool("pdftotext", {"-f", n, "-l", n, "-layout", pdf, "-"});
}

// The text of every page, laid out as on the page; empty when unreadable.
inline QString PdfText(const QString& pdf) {
    return RunTool("pdftotext", {"-layout", pdf, "-"}).value_or(QString());
}

// The number of pages, or -1 when the file cannot be read as a PDF.
inline int PdfPageCount(const QString& pdf) {
    const auto info = RunTool("pdfinfo", {pdf});
    if (!info) return -1;
    for (const QString& line : info->split('\n'))
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
}

}  // namespace talvo::test
