#include "shell/picturefile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

namespace talvo {
namespace {

void Put16(std::string& s, std::size_t at, std::uint32_t v) {
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>(v >> 8 & 0xFF);
}
void Put32(std::string& s, std::size_t at, std::uint32_t v) {
    Put16(s, at, v & 0xFFFF);
    Put16(s, at + 2, v >> 16);
}

// A bitmap file as a painting program writes it: the file header, an info
// header of `headerSize` bytes, the colour masks of bit fields after an info
// header of 40 bytes, a full colour table and `pixels` bytes.
struct Bitmap {
    int width = 4, height = 3, bits = 24, compression = 0, headerSize = 40;
    std::uint32_t colours = 0;  // 0: as many as the bits allow
    std::size_t pixels = 0;     // 0: exactly the padded rows

    std::string Bytes() const {
        const std::size_t masks = compression == 3 && headerSize == 40 ? 12 : 0;
        const std::size_t entries = bits <= 8 ? (colours != 0 ? colours : 1u << bits) : 0;
        const std::size_t rows =
            static_cast<std::size_t>((width * bits + 31) / 32 * 4) * std::abs(height);
        const std::size_t offset = 14 + headerSize + masks + entries * 4;
        std::string s(offset + (pixels != 0 ? pixels : rows), '\x5A');
        s[0] = 'B';
        s[1] = 'M';
        Put32(s, 2, static_cast<std::uint32_t>(s.size()));
        Put32(s, 6, 0);
        Put32(s, 10, static_cast<std::uint32_t>(offset));
        Put32(s, 14, static_cast<std::uint32_t>(headerSize));
        Put32(s, 18, static_cast<std::uint32_t>(width));
        Put32(s, 22, static_cast<std::uint32_t>(height));
        Put16(s, 26, 1);
        Put16(s, 28, static_cast<std::uint32_t>(bits));
        Put32(s, 30, static_cast<std::uint32_t>(compression));
        Put32(s, 46, colours);
        return s;
    }
};

// The bitmaps the program takes, and every way a file under a picture's name
// may be something else: another format, or a bitmap whose header does not
// fit its bytes.
TEST(PictureFile, OnlyBitmapsThatFitTheirBytesAreTaken) {
    using Make = std::function<std::string()>;
    auto with = [](Bitmap b) { return [b] { return b.Bytes(); }; };
    auto changed = [](Bitmap b, std::size_t at, std::uint32_t v, bool wide) {
        return [=] {
            std::string s = b.Bytes();
            wide ? Put32(s, at, v) : Put16(s, at, v);
            return s;
        };
    };
    const struct {
        const char* name;
        Make bytes;
        std::optional<std::pair<int, int>> size;
    } cases[] = {
        {"24 bits", with({}), std::pair{4, 3}},
        {"1 bit", with({9, 5, 1}), std::pair{9, 5}},
        {"4 bits", with({7, 3, 4}), std::pair{7, 3}},
        {"8 bits, 16 colours", with({5, 4, 8, 0, 40, 16}), std::pair{5, 4}},
        {"32 bits", with({3, 3, 32}), std::pair{3, 3}},
        {"16-bit fields", with({4, 2, 16, 3}), std::pair{4, 2}},
        {"32-bit fields, version 4", with({2, 2, 32, 3, 108}), std::pair{2, 2}},
        {"version 5", with({2, 2, 24, 0, 124}), std::pair{2, 2}},
        {"top row first", with({3, -2, 24}), std::pair{3, 2}},
        {"largest sides", with({1024, 1024, 1}), std::pair{1024, 1024}},
        {"core header",
         [] {
             std::string s = "BM" + std::string(24, '\0') + std::string(24, '\x11');
             Put32(s, 2, static_cast<std::uint32_t>(s.size()));
             Put32(s, 10, 26);
             Put32(s, 14, 12);
             Put16(s, 18, 3);  // 3 × 2 pixels of 24 bits: two rows of 12 bytes
             Put16(s, 20, 2);
             Put16(s, 22, 1);
             Put16(s, 24, 24);
             return s;
         },
         std::pair{3, 2}},

        {"empty", [] { return std::string(); }, std::nullopt},
        {"PNG", [] { return std::string("\x89PNG\r\n\x1A\n", 8) + std::string(60, '\0'); },
         std::nullopt},
        {"JPEG", [] { return std::string("\xFF\xD8\xFF\xE0", 4) + std::string(60, '\0'); },
         std::nullopt},
        {"file header only", [] { return Bitmap{}.Bytes().substr(0, 18); }, std::nullopt},
        {"header cut", [] { return Bitmap{}.Bytes().substr(0, 40); }, std::nullopt},
        {"last pixel byte missing",
         [] {
             const std::string s = Bitmap{}.Bytes();
             return s.substr(0, s.size() - 1);
         },
         std::nullopt},
        {"header of 64 bytes", changed({}, 14, 64, true), std::nullopt},
        {"width 0", changed({}, 18, 0, true), std::nullopt},
        {"negative width", changed({}, 18, 0xFFFFFFFCu, true), std::nullopt},
        {"height 0", changed({}, 22, 0, true), std::nullopt},
        {"too wide", with({1025, 1, 1}), std::nullopt},
        {"too high", with({1, 1025, 1}), std::nullopt},
        {"too high, top row first", with({1, -1025, 1}), std::nullopt},
        {"two planes", changed({}, 26, 2, false), std::nullopt},
        {"2 bits", changed({}, 28, 2, false), std::nullopt},
        {"JPEG inside", changed({}, 30, 4, true), std::nullopt},
        {"PNG inside", changed({}, 30, 5, true), std::nullopt},
        // Run lengths decode to far more than their bytes: a kilobyte may
        // claim a picture of many megabytes.
        {"run lengths of 8 bits", with({4, 2, 8, 1, 40, 0, 6}), std::nullopt},
        {"run lengths of 4 bits", with({4, 2, 4, 2, 40, 0, 6}), std::nullopt},
        {"run lengths claiming 1024 × 1024 in a kilobyte", with({1024, 1024, 8, 1, 40, 0, 1024}),
         std::nullopt},
        {"fields of 16 bits, one row short", with({4, 2, 16, 3, 40, 0, 8}), std::nullopt},
        {"fields of 24 bits", with({4, 2, 24, 3}), std::nullopt},
        {"more colours than the bits hold", with({2, 2, 4, 0, 40, 17}), std::nullopt},
        {"pixels inside the colour table", changed({2, 2, 8}, 10, 14 + 40 + 255 * 4, true),
         std::nullopt},
        {"pixels beyond the end", changed({}, 10, 1000, true), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<BmpSize> got = CheckBmp(c.bytes());
        ASSERT_EQ(got.has_value(), c.size.has_value());
        if (got) {
            EXPECT_EQ(got->width, c.size->first);
            EXPECT_EQ(got->height, c.size->second);
        }
    }
}

// The pictures installed with the programs are taken.
TEST(PictureFile, InstalledPicturesAreBitmaps) {
    const std::filesystem::path assets =
        std::filesystem::path(TALVO_TEST_DATA) / ".." / ".." / "assets";
    const struct {
        const char* name;
        int width, height;
    } cases[] = {{"L-prn.bmp", 68, 93}, {"くさびBU.BMP", 240, 150}, {"円弧BU.BMP", 240, 150}};
    for (const auto& c : cases) {
        std::ifstream in(assets / c.name, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        const std::optional<BmpSize> got = CheckBmp(bytes);
        ASSERT_TRUE(got.has_value()) << c.name;
        EXPECT_EQ(got->width, c.width) << c.name;
        EXPECT_EQ(got->height, c.height) << c.name;
    }
}

}  // namespace
}  // namespace talvo
