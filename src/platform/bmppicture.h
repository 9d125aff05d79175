// The pictures of the installation, read as Windows bitmaps only. Whatever
// else lies under their names (another format, a damaged bitmap, a folder, a
// pipe) is a missing picture, and the caller draws its built-in one.
#pragma once

#include <QImage>
#include <QString>
#include <string_view>

namespace talvo {

// The picture of a bitmap file's bytes; a null image when they are no bitmap
// the program reads (CheckBmp) or do not decode to the size they claim.
QImage DecodeBmpPicture(std::string_view bytes);

// The picture in the file at `path`, read as DecodeBmpPicture reads bytes.
QImage ReadBmpPicture(const QString& path);

}  // namespace talvo
