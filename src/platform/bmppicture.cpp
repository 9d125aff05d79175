#include "platform/bmppicture.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>

#include "shell/fileio.h"
#include "shell/picturefile.h"

namespace talvo {

QImage DecodeBmpPicture(std::string_view bytes) {
    const std::optional<BmpSize> size = CheckBmp(bytes);
    if (!size) return QImage();
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly)) return QImage();
    // The bitmap decoder alone: no guess from the contents or the name.
    QImageReader reader(&buffer, QByteArrayLiteral("bmp"));
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull() || image.width() != size->width || image.height() != size->height)
        return QImage();
    return image;
}

QImage ReadBmpPicture(const QString& path) {
    if (path.isEmpty()) return QImage();
    const FileReadResult file =
        ReadSmallFile(QFile::encodeName(path).toStdString(), kMaxPictureFileBytes);
    if (file.status != FileReadStatus::Ok) return QImage();
    return DecodeBmpPicture(file.bytes);
}

}  // namespace talvo
