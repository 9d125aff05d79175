#include "shell/settings.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shell/codec.h"
#include "shell/designfile.h"
#include "shell/fulltablelineup.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/settingslineup.h"
#include "shell/tables.h"

namespace talvo {
namespace {

namespace fs = std::filesystem;

// A screen of 19200 x 14400 twips: a missing file centres 9600 x 6600 at (4800, 3900).
constexpr int kScreenW = 19200;
constexpr int kScreenH = 14400;

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The lines of a file that ends every line with CR LF; fails on any other ending.
std::vector<std::string> CrLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "text after the last CR LF: " << bytes.substr(start);
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos) << "line " << lines.size();
        start = end + 2;
    }
    return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

class TempDir {
public:
    TempDir() {
        char name[] = "/tmp/talvo-settings-XXXXXX";
        path_ = mkdtemp(name);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(path_)) names.insert(e.path().filename());
        return names;
    }

private:
    std::string path_;
};

// A state in which the window, the recent list and every table differ from
// their defaults, so that a test can tell a table read from a table rebuilt.
void SetEditedState() {
    WinLeft = 120, WinTop = -30, WinWidth = 8000, WinHeight = 6000;
    RecentCount = 2;
    RecentFile = {"", "/home/技師/現場,1.kvd", "/tmp/b.kvd", "", ""};
    for (int i = 0; i < 12; ++i)
        RebarSpecTable[i] = {"E" + std::to_string(i), 0.5 + i, 10.25 + i, 0.125 + i, 3.5 + i};
    for (int g = 0; g < 4; ++g)
        for (int r = 0; r < 5; ++r)
            UnitWeightTable[g][r] = {"重さ" + std::to_string(g * 10 + r), std::to_string(r) + ".5"};
    for (int s = 0; s < 4; ++s) {
        StandardName[s] = "規準" + std::to_string(s);
        for (int r = 0; r < 5; ++r) {
            const std::string k = std::to_string(s * 10 + r);
            AllowableStressTable[s][r] = {k + "1", k + "2", k + "3", k + "4", k + "5"};
        }
    }
    StirrupDefaults = {120, 280, 20, 4, 0, 1, 3};
    SnowRule = {{"0.70", "1.20"}, {" 10", " 60", "  90"}};
    for (int c = 0; c < 6; ++c) {
        RebarCountRule.BoxOutDia[0][c] = "70";
        RebarCountRule.BoxOutDia[1][c] = "160";
        RebarCountRule.ClearSpacing[c] = "      45";
        RebarCountRule.Cover[c] = "35";
        RebarCountRule.WidthClassMax[c] = std::to_string(c < 5 ? 150 + 100 * c : 990);
    }
    for (int i = 0; i < 5; ++i) {
        SpanCoefficients.MmaxNum[i] = 2;
        SpanCoefficients.MmaxDen[i] = static_cast<std::int16_t>(3 + i);
        SpanCoefficients.SmaxNum[i] = 3;
        SpanCoefficients.SmaxDen[i] = static_cast<std::int16_t>(7 + i);
    }
    for (int i = 0; i < 5; ++i) {
        PlateStressTable[i] = {"板" + std::to_string(i), "1" + std::to_string(i)};
        SteelStressTable[i] = {"SS" + std::to_string(i), "9" + std::to_string(i),
                               "19" + std::to_string(i)};
    }
    for (int g = 0; g < 2; ++g)
        for (int r = 0; r < 5; ++r)
            PullOutSafetyTable[g][r] = {"安全" + std::to_string(g * 10 + r),
                                        "1." + std::to_string(r)};
}

// Puts every setting to what a fresh process holds before the file is read.
void SetEmptyState() {
    WinLeft = WinTop = WinWidth = WinHeight = 0;
    RecentCount = 0;
    RecentFile = {};
    RebarSpecTable = {};
    UnitWeightTable = {};
    AllowableStressTable = {};
    StandardName = {};
    StirrupDefaults = {};
    SnowRule = {};
    RebarCountRule = {};
    SpanCoefficients = {};
    PlateStressTable = {};
    SteelStressTable = {};
    PullOutSafetyTable = {};
}

class SettingsFile : public ::testing::Test {
protected:
    void TearDown() override {
        // Leave the program-wide state as the other tests expect it.
        InitAllTables();
        StirrupDefaults.ScFormula = 0;
        RecentCount = 0;
        RecentFile = {};
        WinLeft = WinTop = WinWidth = WinHeight = 0;
    }
    static std::string DefaultFile() {
        return ReadBytes(std::string(TALVO_TEST_DATA) + "/settings/default.ini");
    }
    // The lines that a part rebuilt from its defaults is written as: the
    // tables of the default file, the window centred on the screen and an
    // empty recent list.
    static std::vector<std::string> RebuiltLines() {
        std::vector<std::string> lines = CrLfLines(DefaultFile());
        lines[1] = "4800", lines[2] = "3900", lines[3] = "9600", lines[4] = "6600";
        lines[5] = "0";
        for (int k = 6; k < 10; ++k) lines[k] = "\"\"";
        return lines;
    }
};

TEST(IniNumber, FileFormOfDoubles) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.56, ".56"},
        {0.7133, ".7133"},
        {3.0, "3"},
        {-0.5, "-.5"},
        {20.27, "20.27"},
        {-12.5, "-12.5"},
        {0.0, "0"},
        {-0.0, "0"},
        {9600, "9600"},
        {0.1 + 0.2, ".3"},  // 15 significant digits, then no trailing zeros
        {1.0 / 3.0, ".333333333333333"},
        {2.0 / 3.0, ".666666666666667"},
        {0.00012, ".00012"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E+15"},
        {-1.25e20, "-1.25E+20"},
        {1.5e-7, "1.5E-07"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IniNumStr(c.value), c.text) << c.value;
        // The file form reads back as the value, to 15 digits.
        EXPECT_NEAR(NumVal(IniNumStr(c.value)), c.value, std::abs(c.value) * 1e-14) << c.text;
    }
}

TEST_F(SettingsFile, DefaultFileLineByLine) {
    InitAllTables();
    WinLeft = 4800, WinTop = 3900, WinWidth = 9600, WinHeight = 6600;
    RecentCount = 2;
    RecentFile = {"", "/home/user/設計/a,b.kvd", "/tmp/x.kvd", "", ""};
    const std::string bytes = SerializeSettings();

    // Byte for byte the file of the layout (code page 932, CR LF after every line).
    EXPECT_EQ(bytes, DefaultFile());

    const auto lines = CrLfLines(bytes);
    ASSERT_EQ(lines.size(), 148u);
    EXPECT_EQ(lines[0], '"' + kSettingsSignature + '"');
    EXPECT_EQ(kSettingsSignature.size(), 73u);
    const struct {
        int line;
        const char* utf8;
    } expected[] = {
        {2, "4800"},
        {6, "2"},
        {7, R"("/home/user/設計/a,b.kvd")"},
        {10, R"("")"},
        {11, R"("D10",.56,9.53,.7133,3)"},
        {12, R"("D13",.995,12.7,1.267,4)"},
        {22, R"("D51",15.9,50.8,20.27,16)"},
        {23, R"("モルタル","21.0")"},
        {33, R"("","3.5")"},
        {42, R"("軟岩","26.0")"},
        {43, R"("(参考)全国特定法面保護協会")"},
        {49, R"("(参考)フリーフレーム協会")"},
        {50, R"("","5.0","0.33","1.3","160")"},
        {66, R"("","","","","")"},
        {67, "100"},
        {72, "0"},
        {73, "1"},
        {74, R"("0.6")"},
        {78, R"("100")"},
        {79, R"("60")"},
        {80, R"("150")"},
        {108, R"("1000")"},
        {109, "1"},
        {110, "2"},
        {128, "28"},
        {129, R"("長期許容応力度","140")"},
        {134, R"("SD 295","80","160")"},
        {139, R"("ロックボルト","2.0")"},
        {147, R"("永久アンカー（地震時）","2.0")"},
        {148, R"("","")"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(cp932::ToUtf8(lines[e.line - 1]), e.utf8) << "line " << e.line;
}

TEST(SettingsSignature, IsTheDesignSignatureFollowedByA) {
    EXPECT_EQ(kSettingsSignature, kDesignSignature + "a");
}

TEST_F(SettingsFile, DefaultFileReadsBackToTheDefaultTables) {
    SetEmptyState();
    EXPECT_EQ(LoadSettingsFromBytes(DefaultFile(), kScreenW, kScreenH), SettingsStatus::Loaded);
    EXPECT_EQ(RecentCount, 2);
    EXPECT_EQ(RecentFile[1], "/home/user/設計/a,b.kvd");
    EXPECT_EQ(RebarSpecTable[0].Name, "D10");
    EXPECT_DOUBLE_EQ(RebarSpecTable[0].UnitMass, 0.56);
    EXPECT_DOUBLE_EQ(RebarSpecTable[0].Area, 0.7133);
    EXPECT_EQ(UnitWeightTable[2][0].Value, "3.5");
    EXPECT_EQ(PullOutSafetyTable[1][1].Name, "永久アンカー（常時）");
    EXPECT_EQ(SpanCoefficients.SmaxDen[4], 28);
    EXPECT_EQ(StirrupDefaults.MinSpacing, 100);
    EXPECT_EQ(SerializeSettings(), DefaultFile());
}

TEST_F(SettingsFile, WrittenByOneRunReadByTheNext) {
    TempDir dir;
    const std::string path = dir / "Talvo-SI.ini";
    SetEditedState();
    const std::string written = SerializeSettings();
    std::string error;
    ASSERT_TRUE(SaveSettings(path, &error)) << error;
    EXPECT_EQ(ReadBytes(path), written);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"Talvo-SI.ini"});  // no temporary file left

    SetEmptyState();
    EXPECT_EQ(LoadSettings(path, kScreenW, kScreenH), SettingsStatus::Loaded);
    EXPECT_EQ(WinLeft, 120);
    EXPECT_EQ(WinTop, -30);
    EXPECT_EQ(WinWidth, 8000);
    EXPECT_EQ(WinHeight, 6000);
    EXPECT_EQ(RecentCount, 2);
    EXPECT_EQ(RecentFile[1], "/home/技師/現場,1.kvd");
    EXPECT_EQ(RecentFile[2], "/tmp/b.kvd");
    EXPECT_EQ(RebarSpecTable[7].Name, "E7");
    EXPECT_DOUBLE_EQ(RebarSpecTable[7].Area, 7.125);
    EXPECT_EQ(UnitWeightTable[3][4].Name, "重さ34");
    EXPECT_EQ(AllowableStressTable[3][4].SigmaSa, "345");
    EXPECT_EQ(StirrupDefaults.ScFormula, 1);
    EXPECT_EQ(StirrupDefaults.BarIndex, 3);
    EXPECT_EQ(SnowRule.DepthPercent[2], "  90");
    EXPECT_EQ(RebarCountRule.ClearSpacing[5], "      45");
    EXPECT_EQ(SpanCoefficients.SmaxDen[4], 11);
    EXPECT_EQ(PullOutSafetyTable[1][4].Value, "1.4");
    // Every other value as well: the next write gives the same file.
    EXPECT_EQ(SerializeSettings(), written);
}

TEST_F(SettingsFile, MissingOrForeignFileGivesDefaultsAndACentredWindow) {
    TempDir dir;
    const std::string good = DefaultFile();
    const std::string afterFirstLine = good.substr(good.find("\r\n"));
    std::string lowerCase = good;
    lowerCase[0 + 1] = 't';  // "talvo-SI FILE ..."
    const struct {
        const char* name;
        const char* file;  // nullptr: no file at all
        std::string bytes;
        int screenW, screenH;
        SettingsStatus status;
        int left, top, width, height;
    } cases[] = {
        {"no file", nullptr, "", kScreenW, kScreenH, SettingsStatus::Missing, 4800, 3900, 9600,
         6600},
        {"a folder of that name", "folder", "", kScreenW, kScreenH, SettingsStatus::Missing, 4800,
         3900, 9600, 6600},
        // (19201 - 9600) / 2 = 4800.5 and (14401 - 6600) / 2 = 3900.5: halves to even.
        {"odd screen", nullptr, "", 19201, 14401, SettingsStatus::Missing, 4800, 3900, 9600, 6600},
        {"screen smaller than the window", nullptr, "", 8000, 6000, SettingsStatus::Missing, -800,
         -300, 9600, 6600},
        // (19200 - 9585) / 2 = 4807.5 gives 4808; (14400 - 5910) / 2 = 4245.
        {"empty file", "f", "", kScreenW, kScreenH, SettingsStatus::Foreign, 4808, 4245, 9585,
         5910},
        {"signature without a", "f", '"' + kSettingsSignature.substr(0, 72) + '"' + afterFirstLine,
         kScreenW, kScreenH, SettingsStatus::Foreign, 4808, 4245, 9585, 5910},
        {"other case", "f", lowerCase, kScreenW, kScreenH, SettingsStatus::Foreign, 4808, 4245,
         9585, 5910},
        {"another program's file", "f", "[Window]\r\nLeft=10\r\n", 19201, 14401,
         SettingsStatus::Foreign, 4808, 4246, 9585, 5910},
        {"signature without quotes", "f", kSettingsSignature + afterFirstLine, kScreenW, kScreenH,
         SettingsStatus::Loaded, 4800, 3900, 9600, 6600},
        // Only the first mebibyte is looked at; what follows cannot be settings.
        {"longer than any settings file", "f", good + std::string(3 << 20, 'x'), kScreenW, kScreenH,
         SettingsStatus::Loaded, 4800, 3900, 9600, 6600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = dir / "absent.ini";
        if (c.file != nullptr && std::string(c.file) == "folder") {
            path = dir / "folder.ini";
            fs::create_directory(path);
        } else if (c.file != nullptr) {
            path = dir / "f.ini";
            WriteBytes(path, c.bytes);
        }
        SetEditedState();
        RecentFile[0] = "unused";
        EXPECT_EQ(LoadSettings(path, c.screenW, c.screenH), c.status);
        EXPECT_EQ(WinLeft, c.left);
        EXPECT_EQ(WinTop, c.top);
        EXPECT_EQ(WinWidth, c.width);
        EXPECT_EQ(WinHeight, c.height);
        if (c.status == SettingsStatus::Loaded) continue;
        EXPECT_EQ(RecentCount, 0);
        for (const auto& f : RecentFile) EXPECT_EQ(f, "");
        // Every table rebuilt, the shear formula at its start-up value.
        EXPECT_EQ(StirrupDefaults.ScFormula, 0);
        auto want = CrLfLines(DefaultFile());
        want[1] = std::to_string(c.left);
        want[2] = std::to_string(c.top);
        want[3] = std::to_string(c.width);
        want[4] = std::to_string(c.height);
        want[5] = "0";
        for (int k = 6; k < 10; ++k) want[k] = "\"\"";
        EXPECT_EQ(CrLfLines(SerializeSettings()), want);
    }
}

// A file that an editor saved with a UTF-8 byte-order mark before the
// signature is still the program's: its tables are read, whether the bytes
// after the mark are the UTF-8 it announces or code page 932 as before, and
// the next write is the program's own form again, without the mark.
TEST_F(SettingsFile, ByteOrderMarkBeforeTheSignatureKeepsTheTables) {
    SetEditedState();
    const std::string written = SerializeSettings();
    const std::string mark = "\xEF\xBB\xBF";
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"UTF-8 after the mark", mark + cp932::ToUtf8(written)},
        {"code page 932 after the mark", mark + written},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir / "Talvo-SI.ini";
        WriteBytes(path, c.bytes);
        SetEmptyState();
        EXPECT_EQ(LoadSettings(path, kScreenW, kScreenH), SettingsStatus::Loaded);
        EXPECT_EQ(WinWidth, 8000);
        EXPECT_EQ(RecentFile[1], "/home/技師/現場,1.kvd");
        EXPECT_EQ(UnitWeightTable[3][4].Name, "重さ34");
        EXPECT_EQ(StandardName[2], "規準2");
        EXPECT_EQ(PullOutSafetyTable[1][4].Name, "安全14");
        ASSERT_TRUE(SaveSettings(path));
        EXPECT_EQ(ReadBytes(path), written);
    }
}

// The parts of the file, by their first and last line.
enum Part {
    Window,
    Recent,
    Bars,
    UnitWeights,
    Stresses,
    Stirrups,
    Snow,
    RebarCount,
    Spans,
    Plate,
    Steel,
    PullOut,
    kPartCount
};
constexpr int kFirst[kPartCount] = {2, 6, 11, 23, 43, 67, 74, 79, 109, 129, 134, 139};
constexpr int kLast[kPartCount] = {5, 10, 22, 42, 66, 73, 78, 108, 128, 133, 138, 148};
const char* const kPartName[kPartCount] = {"window",     "recent list", "bars",  "unit weights",
                                           "stresses",   "stirrups",    "snow",  "rebar count",
                                           "span coefs", "plate",       "steel", "pull-out"};

struct Edit {
    enum Kind { Replace, Erase, InsertAfter, EndAfter } kind;
    int line;
    std::string text;
};

// A file damaged by `edits`, and the parts that are rebuilt from their
// defaults on reading it.
struct DamageCase {
    const char* name;
    std::vector<Edit> edits;
    std::set<Part> broken;
};

const std::vector<DamageCase>& DamagedFileCases() {
    static const std::vector<DamageCase> cases = {
        {"file ends after line 10",
         {{Edit::EndAfter, 10, ""}},
         {Bars, UnitWeights, Stresses, Stirrups, Snow, RebarCount, Spans, Plate, Steel, PullOut}},
        {"file ends after line 30",
         {{Edit::EndAfter, 30, ""}},
         {UnitWeights, Stresses, Stirrups, Snow, RebarCount, Spans, Plate, Steel, PullOut}},
        {"file ends inside the last line", {{Edit::Replace, 148, "\"安全14\",\"1"}}, {PullOut}},
        {"zero denominator", {{Edit::Replace, 110, "0"}}, {Spans}},
        {"numerator 100", {{Edit::Replace, 127, "100"}}, {Spans}},
        {"fractional coefficient", {{Edit::Replace, 109, "1.5"}}, {Spans}},
        {"negative bar area", {{Edit::Replace, 11, "\"E0\",.5,10.25,-.125,3.5"}}, {Bars}},
        {"bar perimeter 0", {{Edit::Replace, 22, "\"E11\",11.5,21.25,11.125,0"}}, {Bars}},
        {"word for a unit mass", {{Edit::Replace, 12, "\"E1\",abc,11.25,1.125,4.5"}}, {Bars}},
        {"number with trailing letters",
         {{Edit::Replace, 12, "\"E1\",1.5kg,11.25,1.125,4.5"}},
         {Bars}},
        {"bar line missing an item", {{Edit::Replace, 13, "\"E2\",2.5,12.25,2.125"}}, {Bars}},
        {"word for the window width", {{Edit::Replace, 4, "wide"}}, {Window}},
        {"window height 0", {{Edit::Replace, 5, "0"}}, {Window}},
        {"window beyond 16 bits", {{Edit::Replace, 2, "40000"}}, {Window}},
        {"word for the recent count", {{Edit::Replace, 6, "two"}}, {Recent}},
        {"recent path without quotes", {{Edit::Replace, 7, "/home/a.kvd"}}, {Recent}},
        {"quoted text for a spacing", {{Edit::Replace, 67, "\"120\""}}, {Stirrups}},
        {"minimum above maximum", {{Edit::Replace, 67, "300"}}, {Stirrups}},
        {"stirrup bar index 12", {{Edit::Replace, 73, "12"}}, {Stirrups}},
        {"rounding unit 101", {{Edit::Replace, 69, "101"}}, {Stirrups}},
        {"half-depth flag 2", {{Edit::Replace, 71, "2"}}, {Stirrups}},
        {"any shear formula value", {{Edit::Replace, 72, "7"}}, {}},
        {"word for a gradient limit", {{Edit::Replace, 74, "\"steep\""}}, {Snow}},
        {"empty percentage", {{Edit::Replace, 76, "\"\""}}, {Snow}},
        {"percentage 101", {{Edit::Replace, 78, "\"101\""}}, {Snow}},
        {"width class bound 100", {{Edit::Replace, 83, "\"100\""}}, {RebarCount}},
        {"word for a cover", {{Edit::Replace, 82, "\"thick\""}}, {RebarCount}},
        {"unclosed quote in a catalogue", {{Edit::Replace, 129, "\"板0,\"10\""}}, {Plate}},
        {"text after a closing quote", {{Edit::Replace, 134, "\"SS0\"x,\"90\",\"190\""}}, {Steel}},
        {"extra item", {{Edit::Replace, 23, "\"重さ0\",\"0.5\",\"1\""}}, {UnitWeights}},
        {"empty line for a stress row", {{Edit::Replace, 45, ""}}, {Stresses}},
        {"missing bar line", {{Edit::Erase, 15, ""}}, {Bars}},
        {"missing unit-weight line", {{Edit::Erase, 30, ""}}, {UnitWeights}},
        {"missing stress line", {{Edit::Erase, 50, ""}}, {Stresses}},
        {"missing coefficient line", {{Edit::Erase, 120, ""}}, {Spans}},
        {"missing plate line", {{Edit::Erase, 131, ""}}, {Plate}},
        // Snow and count conditions are one run of one-text lines: a lost line
        // there cannot be placed, so both are rebuilt.
        {"missing count-condition line", {{Edit::Erase, 90, ""}}, {Snow, RebarCount}},
        {"missing window line", {{Edit::Erase, 3, ""}}, {Window, Recent}},
        {"extra unit-weight line", {{Edit::InsertAfter, 25, "\"x\",\"1\""}}, {UnitWeights}},
        {"two tables damaged",
         {{Edit::Replace, 12, "\"E1\",0,11.25,1.125,4.5"}, {Edit::Erase, 131, ""}},
         {Bars, Plate}},
        {"lines added after the last", {{Edit::InsertAfter, 148, "1"}}, {}},
    };
    return cases;
}

// The lines of a file after the edits of a case; its lines are numbered from 1.
std::vector<std::string> Damaged(std::vector<std::string> lines, const std::vector<Edit>& edits) {
    // Edits are applied from the end so that the line numbers hold.
    for (auto it = edits.rbegin(); it != edits.rend(); ++it) {
        const auto at = lines.begin() + (it->line - 1);
        switch (it->kind) {
            case Edit::Replace:
                *at = it->text;
                break;
            case Edit::Erase:
                lines.erase(at);
                break;
            case Edit::InsertAfter:
                lines.insert(at + 1, it->text);
                break;
            case Edit::EndAfter:
                lines.erase(at + 1, lines.end());
                break;
        }
    }
    return lines;
}

TEST_F(SettingsFile, DamagedTableGetsItsDefaultsAndNoOtherDoes) {
    SetEditedState();
    const std::vector<std::string> edited = CrLfLines(SerializeSettings());
    const std::vector<std::string> defaults = RebuiltLines();
    for (const auto& c : DamagedFileCases()) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> lines = Damaged(edited, c.edits);
        SetEmptyState();
        StirrupDefaults.ScFormula = 1;
        EXPECT_EQ(LoadSettingsFromBytes(JoinCrLf(lines), kScreenW, kScreenH),
                  SettingsStatus::Loaded);
        const std::vector<std::string> out = CrLfLines(SerializeSettings());
        ASSERT_EQ(out.size(), 148u);
        // A line replaced in a part that is read is read as it now stands.
        std::vector<std::string> read = edited;
        for (const auto& e : c.edits)
            if (e.kind == Edit::Replace) read[e.line - 1] = e.text;
        for (int p = 0; p < kPartCount; ++p) {
            const bool broken = c.broken.count(static_cast<Part>(p)) != 0;
            const auto& want = broken ? defaults : read;
            for (int l = kFirst[p]; l <= kLast[p]; ++l)
                EXPECT_EQ(out[l - 1], want[l - 1])
                    << kPartName[p] << (broken ? " rebuilt" : " read") << ", line " << l;
        }
    }
}

// The lines after the signature line of a file's bytes, split as the reader
// splits them: after a UTF-8 byte-order mark, at CR LF, a lone LF or a lone CR.
std::vector<std::string> BodyLines(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        lines.emplace_back(bytes.substr(start, end - start));
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    if (!lines.empty()) lines.erase(lines.begin());
    return lines;
}

// The reader works its line-up out only over the band of line pairs that a
// least-cost path can take. Held here against every pair worked out: the same
// file lines must be read as the same layout lines, over every damaged file
// of the tests above, the fuzz seeds and the file of the layout, and over
// runs of lines lost, doubled or spoilt at every place of the layout.
TEST_F(SettingsFile, BandOfLinePairsReadsWhatTheFullTableReads) {
    struct Body {
        std::string name;
        std::vector<std::string> shapes;
    };
    auto shapesOf = [](const std::vector<std::string>& lines) {
        std::vector<std::string> shapes;
        for (const auto& l : lines) shapes.push_back(settings_detail::LineShape(l));
        return shapes;
    };
    std::vector<Body> bodies;

    // The damaged files of the tests above, on a file of edited tables.
    SetEditedState();
    const std::vector<std::string> edited = CrLfLines(SerializeSettings());
    for (const auto& c : DamagedFileCases()) {
        std::vector<std::string> lines = Damaged(edited, c.edits);
        lines.erase(lines.begin());
        bodies.push_back({c.name, shapesOf(lines)});
    }
    // The fuzz seeds and the file of the layout.
    const fs::path data(TALVO_TEST_DATA);
    std::vector<fs::path> files{data / "settings" / "default.ini"};
    for (const auto& e : fs::directory_iterator(data / ".." / "fuzz" / "seeds" / "settings"))
        files.push_back(e.path());
    ASSERT_GE(files.size(), 2u);
    for (const auto& f : files)
        bodies.push_back({f.filename().string(), shapesOf(BodyLines(ReadBytes(f.string())))});

    // A run of `length` layout lines from `at` lost, doubled, or each turned
    // into a line the layout does not know: short runs at every place, where
    // a path lies closest to the edge of the band, longer ones every few
    // lines.
    const std::vector<std::string>& layout = settings_detail::LayoutShapes();
    const int n = static_cast<int>(layout.size());
    auto run = [&](int at, int length) {
        return std::vector<std::string>(layout.begin() + at, layout.begin() + at + length);
    };
    for (int length : {1, 2, 3, 7, 30, 80}) {
        for (int at = 0; at + length <= n; at += length <= 2 ? 1 : 5) {
            const std::string where =
                " " + std::to_string(length) + " from layout line " + std::to_string(at);
            std::vector<std::string> lost = layout, doubled = layout, spoilt = layout;
            lost.erase(lost.begin() + at, lost.begin() + at + length);
            const auto copy = run(at, length);
            doubled.insert(doubled.begin() + at, copy.begin(), copy.end());
            std::fill(spoilt.begin() + at, spoilt.begin() + at + length, "QX");
            bodies.push_back({"lost" + where, lost});
            bodies.push_back({"doubled" + where, doubled});
            bodies.push_back({"spoilt" + where, spoilt});
        }
    }
    // A file written three times over, its first line spoilt, and one of
    // bare numbers as long as a file may be: more added lines than the layout
    // has.
    std::vector<std::string> thrice = layout;
    for (int k = 0; k < 2; ++k) thrice.insert(thrice.end(), layout.begin(), layout.end());
    thrice[0] = "QX";
    bodies.push_back({"written three times", thrice});
    bodies.push_back({"600 numbers", std::vector<std::string>(600, "B")});
    // Random damage in one to four places.
    std::mt19937 rng(20261211);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> shapes = layout;
        std::string name = "round " + std::to_string(round) + ":";
        for (int k = 0, edits = 1 + static_cast<int>(rng() % 4); k < edits; ++k) {
            const int length = 1 + static_cast<int>(rng() % (rng() % 2 ? 3 : 40));
            const int at = static_cast<int>(rng() % (shapes.size() + 1));
            const int end = std::min(at + length, static_cast<int>(shapes.size()));
            switch (rng() % 3) {
                case 0:
                    shapes.erase(shapes.begin() + at, shapes.begin() + end);
                    name += " lost";
                    break;
                case 1:
                    shapes.insert(shapes.begin() + at, static_cast<std::size_t>(length),
                                  std::string(rng() % 2 ? "B" : "QX"));
                    name += " added";
                    break;
                default:
                    std::fill(shapes.begin() + at, shapes.begin() + end, "QQ");
                    name += " spoilt";
                    break;
            }
            name += " " + std::to_string(length) + "@" + std::to_string(at);
        }
        bodies.push_back({name, shapes});
    }

    int differing = 0;
    for (const auto& b : bodies) {
        const std::vector<std::string_view> shapes(b.shapes.begin(), b.shapes.end());
        const auto band = settings_detail::LineUpShapes(shapes);
        const auto full = FullTableLineUp(shapes);
        if (band == full) continue;
        const auto i = std::mismatch(band.begin(), band.end(), full.begin()).first - band.begin();
        auto from = [](int j) {
            return j < 0 ? std::string("nothing") : "file line " + std::to_string(j + 2);
        };
        ADD_FAILURE() << b.name << ": layout line " << i + 2 << " is read from " << from(band[i])
                      << " and not from " << from(full[i]);
        if (++differing == 5) return;
    }
}

TEST_F(SettingsFile, FileCutShortKeepsEveryPartItHoldsWhole) {
    SetEditedState();
    UnitWeightTable[3][4].Value = "27.0";  // line 42; its default is "26.0"
    const std::string file = SerializeSettings();
    const std::vector<std::string> edited = CrLfLines(file);
    const std::vector<std::string> defaults = RebuiltLines();
    ASSERT_EQ(edited.size(), 148u);
    for (int p = 0; p < kPartCount; ++p) {
        bool differs = false;
        for (int l = kFirst[p]; l <= kLast[p]; ++l) differs |= edited[l - 1] != defaults[l - 1];
        ASSERT_TRUE(differs) << kPartName[p] << " must differ from its defaults";
    }
    // ends[k]: the byte just past line k's CR LF.
    std::vector<std::size_t> ends{0};
    for (const auto& l : edited) ends.push_back(ends.back() + l.size() + 2);

    // Every cut from just after the first line to just before the end: at each
    // line break, and at every byte inside each line and its line break.
    int failedCuts = 0;
    for (std::size_t n = ends[1]; n < file.size(); ++n) {
        int whole =
            static_cast<int>(std::upper_bound(ends.begin(), ends.end(), n) - ends.begin()) - 1;
        const std::string where =
            n == ends[whole] ? "after line " + std::to_string(whole)
                             : "inside line " + std::to_string(whole + 1) + " (byte " +
                                   std::to_string(n - ends[whole]) + " of " +
                                   std::to_string(edited[whole].size() + 2) + " with CR LF)";
        // A cut between CR and LF leaves the line ended by its CR, as a file
        // of lone CRs ends it: the line is whole.
        if (n == ends[whole + 1] - 1) ++whole;
        // The last line ends in a closing quote: cut after it, only its line
        // break is lost.
        if (whole == 147 && n >= ends[147] + edited[147].size()) whole = 148;

        SetEmptyState();
        StirrupDefaults.ScFormula = 1;
        ASSERT_EQ(LoadSettingsFromBytes(file.substr(0, n), kScreenW, kScreenH),
                  SettingsStatus::Loaded)
            << "cut " << where;
        const std::vector<std::string> out = CrLfLines(SerializeSettings());
        ASSERT_EQ(out.size(), 148u);
        bool failed = false;
        for (int p = 0; p < kPartCount; ++p) {
            const bool kept = kLast[p] <= whole;
            const auto& want = kept ? edited : defaults;
            for (int l = kFirst[p]; l <= kLast[p]; ++l) {
                if (out[l - 1] == want[l - 1]) continue;
                ADD_FAILURE() << "file cut " << where << ": " << kPartName[p] << " should be "
                              << (kept ? "read" : "rebuilt") << ", but line " << l << " is "
                              << cp932::ToUtf8(out[l - 1]) << " instead of "
                              << cp932::ToUtf8(want[l - 1]);
                failed = true;
                break;
            }
        }
        if (failed && ++failedCuts == 5) return;
    }
}

TEST_F(SettingsFile, NumbersInOtherPlainFormsAndLoneLineFeedsAreRead) {
    SetEditedState();
    std::vector<std::string> lines = CrLfLines(SerializeSettings());
    lines[10] = "\"E0\", 0.50 ,+10.250,1.25E-1,3.5";
    lines[66] = "120.0";
    std::string lf;
    for (const auto& l : lines) lf += l + "\n";
    SetEmptyState();
    ASSERT_EQ(LoadSettingsFromBytes(lf, kScreenW, kScreenH), SettingsStatus::Loaded);
    EXPECT_DOUBLE_EQ(RebarSpecTable[0].UnitMass, 0.5);
    EXPECT_DOUBLE_EQ(RebarSpecTable[0].Diameter, 10.25);
    EXPECT_DOUBLE_EQ(RebarSpecTable[0].Area, 0.125);
    EXPECT_EQ(StirrupDefaults.MinSpacing, 120);
    EXPECT_EQ(WinWidth, 8000);
    EXPECT_EQ(PullOutSafetyTable[1][4].Name, "安全14");
}

// A file of the program whose lines end with a lone CR, or whose first line
// has damage after the signature, is no foreign file: every table it holds
// is read.
TEST_F(SettingsFile, LineEndsAndDamageAfterTheSignatureKeepTheTables) {
    SetEditedState();
    const std::string written = SerializeSettings();
    const std::vector<std::string> lines = CrLfLines(written);
    auto joined = [&lines](const std::string& first, const char* end) {
        std::string out = first + end;
        for (std::size_t k = 1; k < lines.size(); ++k) out += lines[k] + end;
        return out;
    };
    const std::string sig = '"' + kSettingsSignature + '"';
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"CR LF", written},
        {"lone LF", joined(sig, "\n")},
        {"lone CR", joined(sig, "\r")},
        {"text after the closing quote", joined(sig + "xyz", "\r\n")},
        {"more items after the signature", joined(sig + ",1,\"b\"", "\r\n")},
        {"control bytes after it", joined(sig + std::string("\0\x1A", 2), "\r")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetEmptyState();
        EXPECT_EQ(LoadSettingsFromBytes(c.bytes, kScreenW, kScreenH), SettingsStatus::Loaded);
        EXPECT_EQ(SerializeSettings(), written);
    }
}

TEST_F(SettingsFile, RecentCountIsBoundedAndMatchesThePaths) {
    const struct {
        const char* count;
        std::array<const char*, 4> files;
        int wantCount;
    } cases[] = {
        {"2", {"\"/a\"", "\"/b\"", "\"/c\"", "\"/d\""}, 2},
        {"4", {"\"/a\"", "\"/b\"", "\"/c\"", "\"/d\""}, 4},
        {"9", {"\"/a\"", "\"/b\"", "\"/c\"", "\"/d\""}, 4},
        {"32767", {"\"/a\"", "\"/b\"", "\"/c\"", "\"/d\""}, 4},
        {"-3", {"\"/a\"", "\"/b\"", "\"/c\"", "\"/d\""}, 0},
        {"4", {"\"/a\"", "\"\"", "\"/c\"", "\"/d\""}, 1},  // no empty entry inside the list
        {"3", {"\"\"", "\"/b\"", "\"/c\"", "\"\""}, 0},
    };
    const char* const paths[] = {"/a", "/b", "/c", "/d"};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("count ") + c.count);
        SetEditedState();
        std::vector<std::string> lines = CrLfLines(SerializeSettings());
        lines[5] = c.count;
        for (int n = 0; n < 4; ++n) lines[6 + n] = c.files[n];
        SetEmptyState();
        LoadSettingsFromBytes(JoinCrLf(lines), kScreenW, kScreenH);
        EXPECT_EQ(RecentCount, c.wantCount);
        for (int n = 1; n <= 4; ++n)
            EXPECT_EQ(RecentFile[n], n <= c.wantCount ? paths[n - 1] : "") << "entry " << n;
        EXPECT_EQ(WinWidth, 8000);  // the window is read on its own
    }
}

TEST_F(SettingsFile, TextsReadBackAsTheWriterPromises) {
    const struct {
        std::string text;
        std::string readBack;
    } cases[] = {
        {"C:\\設計\\現場,第1工区.kvd", "C:\\設計\\現場,第1工区.kvd"},
        {",", ","},
        {"", ""},
        {"  両端に空白  ", "  両端に空白  "},
        {"say \"hi\", then", "say ”hi”, then"},
        {"\"", "”"},
        {"two\r\nlines\tand a tab", "two  lines and a tab"},
        // The wave dash comes back as the full-width tilde, its code-page-932 form.
        {"永久アンカー（地震時）①ｸﾞﾗｳﾝﾄﾞ〜", "永久アンカー（地震時）①ｸﾞﾗｳﾝﾄﾞ～"},
        {"emoji 😀", "emoji ?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IniTextForm(c.text), c.readBack);
        SetEditedState();
        RecentCount = 1;
        RecentFile[1] = c.text.empty() ? "x" : c.text;
        UnitWeightTable[0][0] = {c.text, "after"};
        StandardName[3] = c.text;
        AllowableStressTable[3][4] = {c.text, c.text, "1", c.text, "2"};
        SteelStressTable[4] = {"a", c.text, "b"};
        const std::string bytes = SerializeSettings();
        SetEmptyState();
        ASSERT_EQ(LoadSettingsFromBytes(bytes, kScreenW, kScreenH), SettingsStatus::Loaded);
        EXPECT_EQ(RecentFile[1], c.text.empty() ? "x" : c.readBack);
        EXPECT_EQ(UnitWeightTable[0][0].Name, c.readBack);
        EXPECT_EQ(UnitWeightTable[0][0].Value, "after");
        EXPECT_EQ(StandardName[3], c.readBack);
        EXPECT_EQ(AllowableStressTable[3][4].TauOa, c.readBack);
        EXPECT_EQ(AllowableStressTable[3][4].SigmaSa, "2");
        EXPECT_EQ(SteelStressTable[4].SigmaSa, "b");
        // The rest of the file is not shifted.
        EXPECT_EQ(PullOutSafetyTable[1][4].Name, "安全14");
        // A text that has been through the file once comes back unchanged.
        EXPECT_EQ(IniTextForm(c.readBack), c.readBack);
    }
}

// Invariants that the calculations and the main window rely on, whatever the file.
void ExpectUsableState() {
    EXPECT_GE(RecentCount, 0);
    EXPECT_LE(RecentCount, 4);
    for (int n = 1; n <= RecentCount; ++n) EXPECT_FALSE(RecentFile[n].empty());
    EXPECT_GT(WinWidth, 0);
    EXPECT_GT(WinHeight, 0);
    for (const auto& bar : RebarSpecTable) {
        EXPECT_GT(bar.Area, 0);
        EXPECT_GT(bar.Diameter, 0);
        EXPECT_GT(bar.UnitMass, 0);
        EXPECT_GT(bar.Perimeter, 0);
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_GE(SpanCoefficients.MmaxDen[i], 1);
        EXPECT_GE(SpanCoefficients.SmaxDen[i], 1);
    }
    EXPECT_GE(StirrupDefaults.BarIndex, 0);
    EXPECT_LE(StirrupDefaults.BarIndex, 11);
    EXPECT_GE(StirrupDefaults.SpacingStep, 1);
    EXPECT_LE(StirrupDefaults.MinSpacing, StirrupDefaults.MaxSpacing);
    EXPECT_NE(NumVal(RebarCountRule.WidthClassMax[5]), 0);
}

TEST_F(SettingsFile, DamagedInputNeverCrashes) {
    SetEditedState();
    const std::string file = SerializeSettings();

    // Every truncation of a good file.
    for (std::size_t n = 0; n <= file.size(); ++n) {
        SCOPED_TRACE(n);
        const auto status = LoadSettingsFromBytes(file.substr(0, n), kScreenW, kScreenH);
        EXPECT_EQ(status, n >= 75 ? SettingsStatus::Loaded : SettingsStatus::Foreign);
        ExpectUsableState();
        if (HasFailure()) return;
    }

    // Random damage with a fixed seed: bytes overwritten, lines dropped or
    // doubled, and pure noise behind a good first line. What is read once
    // reads back the same after a write.
    std::mt19937 rng(20261209);
    const std::string head = file.substr(0, file.find("\r\n") + 2);
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE(round);
        std::string bytes;
        if (round % 4 == 3) {
            bytes = head;
            const std::size_t len = rng() % 3000;
            for (std::size_t i = 0; i < len; ++i) bytes += static_cast<char>(rng() % 256);
        } else if (round % 4 == 2) {
            std::vector<std::string> lines = CrLfLines(file);
            for (int k = 0; k < 3; ++k) {
                const std::size_t at = 1 + rng() % (lines.size() - 1);
                if (rng() % 2) {
                    lines.erase(lines.begin() + at);
                } else {
                    lines.insert(lines.begin() + at, lines[at]);
                }
            }
            bytes = JoinCrLf(lines);
        } else {
            bytes = file;
            const int flips = 1 + rng() % 20;
            for (int k = 0; k < flips; ++k) {
                const std::size_t at = head.size() + rng() % (bytes.size() - head.size());
                const char pick[] = {'"', ',', '\r', '\n', '-', '0', '.', 'E', '\x82', '\0'};
                bytes[at] = rng() % 2 ? pick[rng() % sizeof pick] : static_cast<char>(rng());
            }
        }
        ASSERT_EQ(LoadSettingsFromBytes(bytes, kScreenW, kScreenH), SettingsStatus::Loaded);
        ExpectUsableState();
        const std::string once = SerializeSettings();
        LoadSettingsFromBytes(once, kScreenW, kScreenH);
        EXPECT_EQ(SerializeSettings(), once);
        if (HasFailure()) return;
    }
}

TEST_F(SettingsFile, FailedWriteKeepsTheOldFileAndSaysWhy) {
    TempDir dir;
    const std::string path = dir / "Talvo-SI.ini";
    InitAllTables();
    std::string error;
    ASSERT_TRUE(SaveSettings(path, &error)) << error;
    const std::string old = ReadBytes(path);

    // A file-size limit below the file's size fails the write half-way, as a
    // full disk would.
    SetEditedState();
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved1 = SaveSettings(path, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved1);
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(
        error,
        path + " に設定を保存できません。\nファイルに書き込めません: ファイルが大きすぎます。");
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(dir.Names(), std::set<std::string>{"Talvo-SI.ini"});

    error.clear();
    const std::string nowhere = dir / "no-such-folder/Talvo-SI.ini";
    EXPECT_FALSE(SaveSettings(nowhere, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error,
              nowhere +
                  " に設定を保存できません。\n"
                  "一時ファイルを作成できません: ファイルまたはフォルダーが見つかりません。");
    EXPECT_FALSE(SaveSettings(dir / "no-such-folder/Talvo-SI.ini"));  // no reason wanted

    const std::string folder = dir / "folder.ini";
    fs::create_directory(folder);
    EXPECT_FALSE(SaveSettings(folder, &error));
    EXPECT_EQ(error, folder +
                         " に設定を保存できません。\n"
                         "ファイルを置き換えられません: 同じ名前のフォルダーがあります。");
    EXPECT_EQ(dir.Names(), (std::set<std::string>{"Talvo-SI.ini", "folder.ini"}));

    // A settings file made read-only is left as it is (root may write any file).
    if (::geteuid() != 0) {
        ::chmod(path.c_str(), 0444);
        EXPECT_FALSE(SaveSettings(path, &error));
        EXPECT_EQ(error, path +
                             " に設定を保存できません。\n"
                             "ファイルに書き込めません: アクセスが拒否されました。");
        EXPECT_EQ(ReadBytes(path), old);
    }
}

TEST(SettingsFileName, FoundWithoutRegardToCase) {
    const struct {
        std::vector<std::string> files;
        std::vector<std::string> folders;
        std::string found;
    } cases[] = {
        {{}, {}, "Talvo-SI.ini"},
        {{"talvo-si.ini"}, {}, "talvo-si.ini"},
        {{"TALVO-SI.INI", "other.ini"}, {}, "TALVO-SI.INI"},
        {{"talvo-si.ini", "Talvo-SI.ini"}, {}, "Talvo-SI.ini"},
        {{"Talvo-SI.ini.bak", "XTalvo-SI.ini"}, {}, "Talvo-SI.ini"},
        {{}, {"talvo-si.ini"}, "Talvo-SI.ini"},  // a folder is no settings file
    };
    for (const auto& c : cases) {
        TempDir dir;
        for (const auto& f : c.files) WriteBytes(dir / f, "x");
        for (const auto& f : c.folders) fs::create_directory(dir / f);
        EXPECT_EQ(FindSettingsFile(dir.path()), dir / c.found);
        EXPECT_EQ(FindSettingsFile(dir.path() + "/"), dir / c.found);
    }
}

}  // namespace
}  // namespace talvo
