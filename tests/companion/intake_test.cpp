#include "companion/intake.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "calc/rebar.h"
#include "companion/checks.h"
#include "companion/study.h"
#include "shell/codec.h"
#include "shell/numtext.h"
#include "shell/settings.h"
#include "shell/tables.h"

namespace talvo::companion {
namespace {

namespace fs = std::filesystem;

class IntakeTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("talvo1si_intake_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        InitAllTables();
    }
    void TearDown() override {
        fs::remove_all(folder_);
        InitAllTables();
    }

    // Writes the settings file under `name`, with the lines edited by `edit`.
    void Write(const std::string& name,
               const std::function<void(std::vector<std::string>&)>& edit) {
        const std::string bytes = SerializeSettings();
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < bytes.size()) {
            const auto end = bytes.find("\r\n", start);
            lines.push_back(bytes.substr(start, end - start));
            start = end + 2;
        }
        edit(lines);
        std::ofstream out(folder_ / name, std::ios::binary);
        for (const auto& l : lines) out << l << "\r\n";
    }

    // Tables scribbled over, so that defaults can be told from leftovers.
    static void Scribble() {
        for (auto& bar : RebarSpecTable) {
            bar.Name = "X";
            bar.Area = 0;
        }
        RebarCountRule.WidthClassMax.fill("");
        UnitWeightTable[0][0].Value = "?";
    }

    static void ExpectDefaults() {
        EXPECT_EQ(RebarSpecTable[0].Name, "D10");
        EXPECT_DOUBLE_EQ(RebarSpecTable[0].Area, 0.7133);
        EXPECT_DOUBLE_EQ(RebarSpecTable[11].Diameter, 50.8);
        EXPECT_EQ(RebarCountRule.WidthClassMax[5], "1000");
        EXPECT_EQ(NumVal(RebarCountRule.ClearSpacing[3]), 40);
        EXPECT_EQ(NumVal(RebarCountRule.Cover[0]), 40);
        EXPECT_NE(UnitWeightTable[0][0].Value, "?");
    }

    fs::path folder_;
};

TEST_F(IntakeTest, MissingFileGivesTheBuiltInTables) {
    Scribble();
    EXPECT_EQ(ReadCompanionSettings(folder_.string()), SettingsStatus::Missing);
    ExpectDefaults();
}

TEST_F(IntakeTest, ForeignFirstLineGivesTheBuiltInTables) {
    RebarSpecTable[0].Name = "Q10";
    Write("Talvo-SI.ini", [](auto& lines) { lines[0].back() = 'b'; });
    Scribble();
    EXPECT_EQ(ReadCompanionSettings(folder_.string()), SettingsStatus::Foreign);
    ExpectDefaults();
}

TEST_F(IntakeTest, EditedNamesFromAFileInAnyCase) {
    RebarSpecTable[2].Name = "K16";
    RebarSpecTable[2].Area = 2.5;
    RebarSpecTable[3].Name = "  K19 ";  // blanks kept in the file, dropped on reading
    StandardName[1] = "自前の基準";
    Write("tALVO-si.INI", [](auto&) {});
    InitAllTables();
    EXPECT_EQ(ReadCompanionSettings(folder_.string()), SettingsStatus::Loaded);
    EXPECT_EQ(RebarSpecTable[2].Name, "K16");
    EXPECT_EQ(RebarSpecTable[3].Name, "K19");
    EXPECT_DOUBLE_EQ(RebarSpecTable[2].Area, 2.5);
    EXPECT_EQ(StandardName[1], "自前の基準");
}

// A settings file that an editor saved in UTF-8 with a byte-order mark before
// the signature is the design program's all the same: its tables, with their
// Japanese names, not the built-in ones.
TEST_F(IntakeTest, ByteOrderMarkBeforeTheSignatureKeepsTheTables) {
    RebarSpecTable[2].Name = "K16";
    RebarSpecTable[2].Area = 2.5;
    StandardName[1] = "自前の基準";
    UnitWeightTable[0][0] = {"自前のモルタル", "22.5"};
    RebarCountRule.WidthClassMax[5] = "950";
    std::ofstream(folder_ / "Talvo-SI.ini", std::ios::binary)
        << "\xEF\xBB\xBF" + cp932::ToUtf8(SerializeSettings());
    Scribble();
    EXPECT_EQ(ReadCompanionSettings(folder_.string()), SettingsStatus::Loaded);
    EXPECT_EQ(RebarSpecTable[2].Name, "K16");
    EXPECT_DOUBLE_EQ(RebarSpecTable[2].Area, 2.5);
    EXPECT_EQ(StandardName[1], "自前の基準");
    EXPECT_EQ(UnitWeightTable[0][0].Name, "自前のモルタル");
    EXPECT_EQ(UnitWeightTable[0][0].Value, "22.5");
    EXPECT_EQ(RebarCountRule.WidthClassMax[5], "950");
}

// The companion reads the design program's file whose lines end with a lone
// CR, or whose first line has damage after the signature, as the design
// program does: its tables, not the built-in ones.
TEST_F(IntakeTest, LineEndsAndDamageAfterTheSignatureKeepTheTables) {
    const struct {
        const char* name;
        const char* end;
        const char* afterSignature;
    } cases[] = {
        {"lone CR", "\r", ""},
        {"lone LF", "\n", ""},
        {"text after the closing quote", "\r\n", "xyz"},
        {"more items", "\r", ",1,2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InitAllTables();
        RebarSpecTable[2].Name = "K16";
        RebarSpecTable[2].Area = 2.5;
        StandardName[1] = "自前の基準";
        RebarCountRule.WidthClassMax[5] = "950";
        Write("Talvo-SI.ini", [](auto&) {});
        std::ifstream in(folder_ / "Talvo-SI.ini", std::ios::binary);
        std::string bytes(std::istreambuf_iterator<char>(in), {});
        in.close();
        const std::string sig = '"' + kSettingsSignature + '"';
        ASSERT_EQ(bytes.compare(0, sig.size(), sig), 0);
        bytes.insert(sig.size(), c.afterSignature);
        std::string out;
        for (std::size_t at = 0, next; at < bytes.size(); at = next + 2) {
            next = bytes.find("\r\n", at);
            out += bytes.substr(at, next - at) + c.end;
        }
        std::ofstream(folder_ / "Talvo-SI.ini", std::ios::binary) << out;
        Scribble();
        EXPECT_EQ(ReadCompanionSettings(folder_.string()), SettingsStatus::Loaded);
        EXPECT_EQ(RebarSpecTable[2].Name, "K16");
        EXPECT_DOUBLE_EQ(RebarSpecTable[2].Area, 2.5);
        EXPECT_DOUBLE_EQ(RebarSpecTable[0].Area, 0.7133);
        EXPECT_EQ(StandardName[1], "自前の基準");
        EXPECT_EQ(RebarCountRule.WidthClassMax[5], "950");
    }
}

// A damaged value never leaves a zero area or an empty class bound behind:
// the table of the value takes its defaults, the others keep the file's.
TEST_F(IntakeTest, DamagedValuesGiveThatTableItsDefaults) {
    struct Case {
        const char* what;
        int line;  // 0-based line of the file
        std::string replace;
    };
    const Case cases[] = {
        {"bar area 0", 10, "\"D10\",.56,9.53,0,3"},
        {"bar area not a number", 11, "\"D13\",.995,12.7,abc,4"},
        {"bar line cut short", 12, "\"D16\",1.56"},
        {"empty width class bound", 82, ""},
    };
    for (const Case& c : cases) {
        InitAllTables();
        StandardName[0] = "FILE";
        Write("Talvo-SI.ini", [&](auto& lines) { lines.at(c.line) = c.replace; });
        Scribble();
        ReadCompanionSettings(folder_.string());
        EXPECT_DOUBLE_EQ(RebarSpecTable[0].Area, 0.7133) << c.what;
        EXPECT_GT(RebarSpecTable[1].Area, 0) << c.what;
        EXPECT_GT(RebarSpecTable[2].Area, 0) << c.what;
        EXPECT_EQ(StandardName[0], "FILE") << c.what;
        for (const auto& bound : RebarCountRule.WidthClassMax)
            EXPECT_FALSE(bound.empty()) << c.what;
        // The bar-fit check works on what was read.
        InitCompanion();
        EXPECT_TRUE(TekkinCheck(0)) << c.what;
    }
}

// The companion's own defaults name the two reference standards without
// "(参考)"; a file that holds names keeps them, "(参考)" or not.
TEST_F(IntakeTest, StandardNamesOfTheDefaultsAndOfTheFile) {
    struct Case {
        const char* what;
        std::function<void(std::vector<std::string>&)> edit;  // null: no file
        const char* name0;
        const char* name1;
    };
    const Case cases[] = {
        {"no file", nullptr, "全国特定法面保護協会", "フリーフレーム協会"},
        {"foreign file", [](auto& lines) { lines[0].back() = 'b'; }, "全国特定法面保護協会",
         "フリーフレーム協会"},
        {"standards table cut", [](auto& lines) { lines.at(43) = ""; }, "全国特定法面保護協会",
         "フリーフレーム協会"},
        {"names of the design program's defaults", [](auto&) {}, "(参考)全国特定法面保護協会",
         "(参考)フリーフレーム協会"},
    };
    for (const Case& c : cases) {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        StandardName = {"(参考)全国特定法面保護協会", "(参考)フリーフレーム協会", "土木学会",
                        "日本道路協会"};
        if (c.edit) Write("Talvo-SI.ini", c.edit);
        StandardName.fill("X");
        ReadCompanionSettings(folder_.string());
        EXPECT_EQ(StandardName[0], c.name0) << c.what;
        EXPECT_EQ(StandardName[1], c.name1) << c.what;
        EXPECT_EQ(StandardName[2], "土木学会") << c.what;
        EXPECT_EQ(StandardName[3], "日本道路協会") << c.what;
    }
}

}  // namespace
}  // namespace talvo::companion
