// The failure-shape pictures of the program folder are read as bitmaps only:
// anything else under their names leaves the built-in drawing.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "companion/ui/frmResult.h"

namespace talvo::companion {
namespace {

TEST(ShapePicture, ReadAsABitmapOrDrawn) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage green(24, 15, QImage::Format_RGB32);
    green.fill(Qt::green);
    const QString names[] = {QStringLiteral("くさびBU.BMP"), QStringLiteral("円弧BU.BMP")};
    enum class Expect { Green, Drawn };
    const struct {
        const char* format;  // what is saved under the names; nullptr: a text
        Expect expect;
    } cases[] = {{"BMP", Expect::Green}, {"PNG", Expect::Drawn}, {nullptr, Expect::Drawn}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format ? c.format : "text");
        const QString folder = dir.filePath(c.format ? c.format : "text");
        ASSERT_TRUE(QDir().mkpath(folder));
        for (int shape = 0; shape < 2; ++shape) {
            const QString path = folder + "/" + names[shape];
            if (c.format) {
                ASSERT_TRUE(green.save(path, c.format));
            } else {
                QFile text(path);
                ASSERT_TRUE(text.open(QIODevice::WriteOnly));
                text.write("BM, but no picture");
            }
            const QImage shown = ShapePicture(shape, folder).toImage();
            if (c.expect == Expect::Green) {
                EXPECT_EQ(shown.size(), green.size()) << shape;
                EXPECT_EQ(QColor(shown.pixel(5, 5)), QColor(Qt::green)) << shape;
            } else {
                EXPECT_EQ(shown, DrawShapePicture(shape).toImage()) << shape;
            }
        }
    }
}

}  // namespace
}  // namespace talvo::companion
