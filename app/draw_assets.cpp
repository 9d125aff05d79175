// Draws the pictures installed beside the programs into a folder: the script
// ℓ of the report formulas ("L-prn.bmp") and the companion's two failure
// shapes ("くさびBU.BMP", "円弧BU.BMP"). assets/ holds what it drew; run it
// again after changing the drawings: draw_assets assets
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "companion/ui/frmResult.h"
#include "platform/printcontrol.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_assets FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    // The ℓ at the size of the picture boxes of the forms (68 × 93 pixels).
    QImage scriptL(68, 93, QImage::Format_RGB32);
    scriptL.fill(Qt::white);
    {
        QPainter painter(&scriptL);
        painter.setRenderHint(QPainter::Antialiasing);
        talvo::DrawBuiltInScriptL(painter, QRectF(0, 0, 68, 93));
    }
    bool ok = scriptL.save(folder + "/L-prn.bmp", "BMP");
    const auto shape = [&](int which, const char* name) {
        const QImage image = talvo::companion::DrawShapePicture(which).toImage().convertToFormat(
            QImage::Format_RGB32);
        return image.save(folder + "/" + QString::fromUtf8(name), "BMP");
    };
    ok = shape(0, "くさびBU.BMP") && ok;
    ok = shape(1, "円弧BU.BMP") && ok;
    if (!ok) std::fprintf(stderr, "draw_assets: a picture could not be written\n");
    return ok ? 0 : 1;
}
