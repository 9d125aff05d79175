#include "platform/desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QTranslator>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace talvo {

namespace {

UrlOpener g_opener;

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The help file in `folder`, its name matched without regard to case.
std::optional<std::string> HelpFileIn(const std::string& folder, const std::string& fileName) {
    namespace fs = std::filesystem;
    const std::string wanted = Lower(fileName);
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path("/") : fs::path(folder), ec);
    if (ec) return std::nullopt;
    for (const fs::directory_entry& entry : it) {
        if (Lower(entry.path().filename().string()) != wanted) continue;
        std::error_code fileEc;
        if (entry.is_regular_file(fileEc)) return entry.path().string();
    }
    return std::nullopt;
}

bool Open(const QUrl& url) {
    if (g_opener) return g_opener(url);
    return QDesktopServices::openUrl(url);
}

}  // namespace

std::optional<std::string> FindHelpFileIn(const std::string& programFolder,
                                          const std::string& pathVariable,
                                          const std::string& fileName) {
    if (!programFolder.empty())
        if (auto found = HelpFileIn(programFolder, fileName)) return found;
    if (pathVariable.empty()) return std::nullopt;
    // A separator at the end closes the last entry; it adds no empty one.
    std::size_t start = 0;
    while (start < pathVariable.size()) {
        std::size_t end = pathVariable.find(':', start);
        if (end == std::string::npos) end = pathVariable.size();
        std::string entry = pathVariable.substr(start, end - start);
        // An empty entry stands for the root folder.
        if (auto found = HelpFileIn(entry.empty() ? "/" : entry, fileName)) return found;
        start = end + 1;
    }
    return std::nullopt;
}

bool ShowHelpContents(const std::string& helpPath) {
    return OpenLocalFile(helpPath);
}

bool ShowHelpKeywordSearch(const std::string& helpPath) {
    return OpenLocalFile(helpPath);
}

bool OpenWebPage(const std::string& address) {
    if (address.empty()) return false;
    return Open(QUrl::fromUserInput(QString::fromStdString(address)));
}

bool OpenLocalFile(const std::string& path) {
    if (path.empty()) return false;
    return Open(QUrl::fromLocalFile(QString::fromStdString(path)));
}

UrlOpener SetUrlOpener(UrlOpener opener) {
    UrlOpener old = std::move(g_opener);
    g_opener = std::move(opener);
    return old;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        const double u = size / 16.0;
        // The cut slope: ground below a face rising to the right.
        QPolygonF ground;
        ground << QPointF(0, 15 * u) << QPointF(16 * u, 15 * u) << QPointF(16 * u, 2 * u)
               << QPointF(0, 15 * u);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(196, 160, 110));
        p.drawPolygon(ground);
        // The frame on the face: beams down the slope and across it.
        p.setPen(QPen(QColor(70, 120, 50), 1.6 * u, Qt::SolidLine, Qt::RoundCap));
        auto face = [u](double t) { return QPointF(t * 16 * u, (15 - 13 * t) * u); };
        for (double t : {0.2, 0.5, 0.8}) {
            QPointF a = face(t);
            p.drawLine(a, a + QPointF(2.6 * u, 3.2 * u));
        }
        for (double d : {0.0, 1.6, 3.2})
            p.drawLine(face(0.1) + QPointF(0.8 * d * u, d * u),
                       face(0.9) + QPointF(0.8 * d * u, d * u));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

bool InstallJapaneseTranslations() {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    static QTranslator* translator = nullptr;
    if (translator) return true;
    auto* t = new QTranslator(QCoreApplication::instance());
    if (!t->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                 QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete t;
        return false;
    }
    QCoreApplication::installTranslator(t);
    translator = t;
    return true;
}

}  // namespace talvo
