#include "shell/designfile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "shell/codec.h"

namespace talvo {
namespace {

namespace fs = std::filesystem;

// The Integer values of the file: position, range, new-design value and the
// value the full test design gives them (different from the new-design one).
struct IntSpec {
    int pos;
    int lo, hi, fresh, full;
};
constexpr IntSpec kInts[] = {
    {1, 0, 5, 5, 3},   {11, 0, 1, 1, 0},   {43, 0, 1, 1, 0},  {52, 0, 1, 0, 1},  {57, 0, 4, 0, 4},
    {65, 0, 2, 0, 2},  {69, 0, 2, 0, 1},   {73, 0, 2, 0, 2},  {77, 0, 2, 0, 1},  {81, 0, 2, 0, 2},
    {87, 0, 1, 1, 0},  {89, 0, 11, 4, 11}, {94, 0, 11, 5, 7}, {109, 0, 2, 0, 2}, {121, 0, 1, 0, 1},
    {122, 0, 1, 0, 1}, {123, 0, 3, 0, 3},  {127, 0, 2, 1, 2}, {128, 0, 1, 0, 1}, {131, 0, 1, 0, 1},
    {132, 0, 1, 1, 0}, {133, 0, 1, 0, 1},  {134, 0, 1, 0, 1}, {135, 0, 1, 1, 0},
};

const IntSpec* IntAt(int pos) {
    for (const IntSpec& s : kInts)
        if (s.pos == pos) return &s;
    return nullptr;
}

std::string Le16(int v) {
    const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
    return {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
}

std::string TextItem(std::string_view cp932) {
    return Le16(int(cp932.size())) + std::string(cp932);
}

std::string Header() {
    return std::string("\x08\x00\x48\x00", 4) + kDesignSignature;
}

// Splits a well-formed design file into its items: [0] the header, [p] the
// value at position p with its count. Stops where the bytes run out.
std::vector<std::string> SplitItems(const std::string& bytes) {
    std::vector<std::string> items{bytes.substr(0, 76)};
    std::size_t pos = 76;
    for (int p = 1; p <= 135; ++p) {
        std::size_t len = 2;
        if (!IntAt(p)) {
            if (pos + 2 > bytes.size()) break;
            len += static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[pos]) |
                                              static_cast<unsigned char>(bytes[pos + 1]) << 8);
        }
        if (pos + len > bytes.size()) break;
        items.push_back(bytes.substr(pos, len));
        pos += len;
    }
    return items;
}

std::string Join(const std::vector<std::string>& items, std::size_t from, std::size_t to) {
    std::string s;
    for (std::size_t i = from; i < to && i < items.size(); ++i) s += items[i];
    return s;
}

// Texts of the full design: blanks around the numbers are part of them.
std::string NumText(int pos) {
    return " " + std::to_string(pos) + ".50 ";
}

const std::map<int, std::string> kNames = {
    {2, "地区"},
    {3, "ｿｸｾﾝ 測線～No.3"},
    {4, "備考－∥￢①髙ⅰ"},
    {28, "砂質土（風化）"},
    {106, "SWPR7BL 1S12.7"},
};

std::string TextAt(int pos) {
    const auto it = kNames.find(pos);
    return it != kNames.end() ? it->second : NumText(pos);
}

// A record whose every stored field is set: the text at file position p to
// text(p), the Integer at p to integer(p).
template <class TextFn, class IntFn>
DesignData DesignWith(TextFn text, IntFn integer) {
    DesignData d;
    auto i16 = [&](int pos) { return static_cast<std::int16_t>(integer(pos)); };
    d.WorkType = i16(1);
    d.DistrictName = text(2);
    d.LineName = text(3);
    d.Remarks = text(4);
    d.SectionBx = text(5);
    d.SectionHx = text(6);
    d.SectionDx = text(7);
    d.SectionBy = text(8);
    d.SectionHy = text(9);
    d.SectionDy = text(10);
    d.SameSection = i16(11);
    d.SpanCountY = text(12);
    d.SpanCountX = text(13);
    d.SpanY = text(14);
    d.SpanX = text(15);
    d.OverhangUpper = text(16);
    d.OverhangLower = text(17);
    d.OverhangLeft = text(18);
    d.OverhangRight = text(19);
    d.AnchorCountY = text(20);
    d.AnchorCountX = text(21);
    d.PitchY = text(22);
    d.PitchX = text(23);
    d.AnchorOverhangUpper = text(24);
    d.AnchorOverhangLower = text(25);
    d.AnchorOverhangLeft = text(26);
    d.AnchorOverhangRight = text(27);
    d.SoilName = text(28);
    d.SoilGamma = text(29);
    d.SnowRemarks = text(30);
    d.SnowDepth = text(31);
    d.SnowGamma = text(32);
    d.InfillName = text(33);
    d.InfillThick = text(34);
    d.InfillGamma = text(35);
    d.FrameMaterial = text(36);
    d.FrameGamma = text(37);
    d.SlopeN = text(38);
    d.SlopeAngle = text(39);
    d.TotalLengthY = text(40);
    d.TotalLengthX = text(41);
    d.SlopeHeight = text(42);
    d.SlopeInputMode = i16(43);
    d.PlanFs = text(44);
    d.Pr = text(45);
    d.SlipAngle = text(46);
    d.HorizSpacing = text(47);
    d.RowCount = text(48);
    d.InstallAngle = text(49);
    d.FrictionAngle = text(50);
    d.TanPhi = text(51);
    d.FrictionInputMode = i16(52);
    d.KusabiL1 = text(53);
    d.KusabiL2 = text(54);
    d.KusabiH = text(55);
    d.KusabiAlpha = text(56);
    d.KusabiInputMode = i16(57);
    d.EnkoL1 = text(58);
    d.EnkoL2 = text(59);
    d.EnkoL3 = text(60);
    d.DeltaFs = text(61);
    for (int i = 0; i < 5; ++i) {
        d.ShearXInput[i] = text(62 + 4 * i);
        d.TateShearX[i] = text(63 + 4 * i);
        d.YokoShearX[i] = text(64 + 4 * i);
        d.ShearXMode[i] = i16(65 + 4 * i);
    }
    d.SigmaCk = text(82);
    d.SigmaCa = text(83);
    d.TauCa = text(84);
    d.TauOa = text(85);
    d.SigmaSa = text(86);
    d.ShearStressMode = i16(87);
    d.AncBarTauSa = text(88);
    d.AncBarIndex = i16(89);
    d.AncBarFs = text(90);
    d.AncBarTauS = text(91);
    d.RockTauSa = text(92);
    d.RockSigmaSa = text(93);
    d.RockBarIndex = i16(94);
    d.RockTau = text(95);
    d.RockSigma = text(96);
    d.RockDa = text(97);
    d.RockTauG = text(98);
    d.RockTauB = text(99);
    d.RockFs = text(100);
    d.RockSpare = text(101);
    d.RockLa = text(102);
    d.RockLf = text(103);
    d.RockLength = text(104);
    d.TendonName = text(105);
    d.TendonStandard = text(106);
    d.Tus = text(107);
    d.Tys = text(108);
    d.AnchorKind = i16(109);
    d.TusAllow = text(110);
    d.TysAllow = text(111);
    d.AnchorDs = text(112);
    d.AnchorDa = text(113);
    d.AnchorTauG = text(114);
    d.AnchorTauB = text(115);
    d.AnchorFs = text(116);
    d.AnchorSpare = text(117);
    d.AnchorLa = text(118);
    d.AnchorLf = text(119);
    d.AnchorLength = text(120);
    d.TateShareMode = i16(121);
    d.YokoShareMode = i16(122);
    d.ToubunpuMode = i16(123);
    d.PlateU = text(124);
    d.PlateSigma = text(125);
    d.PlateT = text(126);
    d.RestraintMode = i16(127);
    d.UsePlanFs = i16(128);
    d.PtCalc = text(129);
    d.PtInput = text(130);
    d.PtDirect = i16(131);
    d.UseInfill = i16(132);
    d.UseSnow = i16(133);
    d.Staggered = i16(134);
    d.AllGridPoints = i16(135);
    return d;
}

// Every stored field set, each to a value of its own.
DesignData FullDesign() {
    return DesignWith(TextAt, [](int pos) { return IntAt(pos)->full; });
}

// A record whose every kind of field differs from a new design, unstored
// fields included: what a reader must overwrite or reset.
DesignData DirtyDesign() {
    DesignData d = FullDesign();
    d.DistrictName = "前の設計";
    d.WorkType = 0;
    d.TateMmax[2] = "12.3";
    d.YokoQ = "4.5";
    d.TusCoef[1] = "9.99";
    d.KekkaBar[3] = 9;
    d.KekkaStirrupBar[0] = 2;
    d.RequiredAs[1] = 123.4;
    d.DesignAsReq = 5.5;
    d.BoxOutD = "60";
    d.SnowClass = 2;
    return d;
}

TEST(DesignFile, SignatureIsSeventyTwoCharacters) {
    EXPECT_EQ(kDesignSignature.size(), 72u);
    EXPECT_EQ(kDesignSignature.substr(0, 39), "Talvo-SI FILE  slope frame design data ");
    EXPECT_EQ(kDesignSignature.find_first_not_of(' ', 38), std::string::npos);
}

TEST(DesignFile, NewDesignGivesExactBytes) {
    std::string expected = Header();
    for (int p = 1; p <= 135; ++p) {
        if (const IntSpec* s = IntAt(p)) {
            expected += Le16(s->fresh);
        } else if (p >= 62 && p <= 81 && (p - 62) % 4 != 1) {
            expected += TextItem("0.000");  // entered and horizontal-beam check distances
        } else {
            expected += Le16(0);
        }
    }
    const std::string bytes = SerializeDesign(DesignData{});
    EXPECT_EQ(bytes, expected);
    // The landmarks by hand: work type 5, nine empty texts, SameSection 1 and
    // the first check distance at position 62.
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x08\x00\x48\x00", 4));
    EXPECT_EQ(bytes.substr(76, 22),
              std::string("\x05\x00", 2) + std::string(18, '\0') + std::string("\x01\x00", 2));
    EXPECT_EQ(bytes.substr(76 + 61 * 2, 7), std::string("\x05\x00", 2) + "0.000");
}

TEST(DesignFile, FullDesignStandsInFileOrder) {
    const std::string bytes = SerializeDesign(FullDesign());
    const std::vector<std::string> items = SplitItems(bytes);
    ASSERT_EQ(items.size(), 136u);
    EXPECT_EQ(Join(items, 0, 136).size(), bytes.size());
    EXPECT_EQ(items[0], Header());
    for (int p = 1; p <= 135; ++p) {
        if (const IntSpec* s = IntAt(p)) {
            EXPECT_EQ(items[p], Le16(s->full)) << "position " << p;
        } else {
            EXPECT_EQ(items[p], TextItem(cp932::FromUtf8(TextAt(p)))) << "position " << p;
        }
    }
    // 地区: four bytes of code page 932, counted as bytes.
    EXPECT_EQ(items[2], std::string("\x04\x00\x92\x6E\x8B\xE6", 6));
    // Half-width katakana take one byte each.
    EXPECT_EQ(items[3].substr(0, 6), std::string("\x0F\x00\xBF\xB8\xBE\xDD", 6));
}

TEST(DesignFile, ReadBackRestoresStoredFieldsAndResetsTheRest) {
    const DesignData full = FullDesign();
    DesignData written = full;  // with unstored fields that must not travel
    written.TateMmax[0] = "7.7";
    written.KekkaBar[0] = 8;
    written.TusCoef[0] = "1.00";
    written.BoxOutD = "50";
    DesignData read = DirtyDesign();
    ASSERT_EQ(ParseDesignBytes(SerializeDesign(written), read), DesignReadStatus::Ok);
    EXPECT_EQ(SerializeDesign(read), SerializeDesign(full));
    EXPECT_TRUE(read == full);
}

TEST(DesignFile, LookAlikeCharactersAreStoredAsTheirCodePageForm) {
    DesignData d;
    d.DistrictName = "1\u301C2";  // wave dash
    d.LineName = "\u2212\u2016";  // minus sign, double vertical line
    d.Remarks = "a😀b";            // not storable: one "?"
    DesignData read;
    ASSERT_EQ(ParseDesignBytes(SerializeDesign(d), read), DesignReadStatus::Ok);
    EXPECT_EQ(read.DistrictName, "1～2");
    EXPECT_EQ(read.LineName, "－∥");
    EXPECT_EQ(read.Remarks, "a?b");
}

TEST(DesignFile, ForeignBytesLeaveTheRecordUntouched) {
    const std::string good = SerializeDesign(DesignData{});
    auto changed = [&](std::size_t at, char c) {
        std::string s = good;
        s[at] = c;
        return s;
    };
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"one byte short of the header", good.substr(0, 75)},
        {"type tag", changed(0, 9)},
        {"length", changed(2, 71)},
        {"first character", changed(4, 't')},
        {"a middle character", changed(4 + 20, 'F')},
        {"last blank", changed(75, 'a')},
        {"text file", "Talvo-SI FILE  slope frame design data\r\n" + std::string(80, ' ')},
    };
    for (const auto& [name, bytes] : cases) {
        DesignData d = DirtyDesign();
        EXPECT_EQ(ParseDesignBytes(bytes, d), DesignReadStatus::Foreign) << name;
        EXPECT_TRUE(d == DirtyDesign()) << name;
    }
    // The header alone is a design with nothing stored.
    DesignData d = DirtyDesign();
    EXPECT_EQ(ParseDesignBytes(Header(), d), DesignReadStatus::Ok);
    EXPECT_TRUE(d == DesignData{});
}

// Every prefix of a full file: the complete values are read, the value cut
// and everything after it keep their new-design values. A file that ends
// between two values is whole as far as it goes; one cut inside a value is
// damaged.
TEST(DesignFile, TruncatedFileReadsAsFarAsItGoes) {
    const std::string full = SerializeDesign(FullDesign());
    const std::vector<std::string> fullItems = SplitItems(full);
    const std::vector<std::string> freshItems = SplitItems(SerializeDesign(DesignData{}));
    for (std::size_t len = 0; len <= full.size(); ++len) {
        DesignData d = DirtyDesign();
        const DesignReadStatus status = ParseDesignBytes(std::string_view(full).substr(0, len), d);
        if (len < 76) {
            ASSERT_EQ(status, DesignReadStatus::Foreign) << len;
            continue;
        }
        std::size_t complete = 0, end = 76;
        while (complete < 135 && end + fullItems[complete + 1].size() <= len) {
            end += fullItems[++complete].size();
        }
        ASSERT_EQ(status, end == len ? DesignReadStatus::Ok : DesignReadStatus::Damaged) << len;
        ASSERT_EQ(SerializeDesign(d),
                  Join(fullItems, 0, complete + 1) + Join(freshItems, complete + 1, 136))
            << "length " << len;
    }
}

TEST(DesignFile, BytesAfterTheLastValueAreIgnored) {
    DesignData d;
    ASSERT_EQ(ParseDesignBytes(SerializeDesign(FullDesign()) + "extra\x05\x00", d),
              DesignReadStatus::Ok);
    EXPECT_TRUE(d == FullDesign());
}

// A negative count, or one that runs past the end, stops the reading there:
// the file is damaged.
TEST(DesignFile, DamagedCountStopsTheReading) {
    const std::string full = SerializeDesign(FullDesign());
    const std::vector<std::string> fullItems = SplitItems(full);
    const std::vector<std::string> freshItems = SplitItems(SerializeDesign(DesignData{}));
    const std::size_t tail2 = full.size() - Join(fullItems, 0, 3).size() - 2;
    struct Case {
        int pos;
        int count;
    };
    const Case cases[] = {
        {2, -1},  {2, -32768},  {2, 32767},
        {62, -5}, {130, 32767}, {3, int(tail2) + 1},  // one byte beyond the end
    };
    for (const Case& c : cases) {
        std::vector<std::string> items = fullItems;
        items[c.pos] = Le16(c.count) + items[c.pos].substr(2);
        DesignData d = DirtyDesign();
        ASSERT_EQ(ParseDesignBytes(Join(items, 0, 136), d), DesignReadStatus::Damaged) << c.pos;
        EXPECT_EQ(SerializeDesign(d), Join(fullItems, 0, c.pos) + Join(freshItems, c.pos, 136))
            << "position " << c.pos << " count " << c.count;
    }
    // A count that ends exactly at the end of the file is whole.
    std::vector<std::string> items = fullItems;
    const std::string last = std::string(tail2, 'x');
    items[3] = TextItem(last);
    DesignData d;
    ASSERT_EQ(ParseDesignBytes(Join(items, 0, 4), d), DesignReadStatus::Ok);
    EXPECT_EQ(d.LineName, last);
    EXPECT_EQ(d.Remarks, "");
}

// Whether saving `read`, the record read from `bytes`, keeps every value the
// bytes hold: each comes back as it was (an Integer within its range, a
// text as the same characters), and the bytes hold nothing else but what may
// follow the last value.
bool NothingLost(const std::string& bytes, const DesignData& read) {
    const std::vector<std::string> held = SplitItems(bytes);
    const std::vector<std::string> saved = SplitItems(SerializeDesign(read));
    if (held.size() < 136 && Join(held, 0, held.size()).size() != bytes.size()) return false;
    for (std::size_t p = 1; p < held.size(); ++p) {
        if (const IntSpec* s = IntAt(static_cast<int>(p))) {
            const auto v = static_cast<std::int16_t>(static_cast<unsigned char>(held[p][0]) |
                                                     static_cast<unsigned char>(held[p][1]) << 8);
            if (v < s->lo || v > s->hi || saved[p] != Le16(v)) return false;
        } else if (cp932::ToUtf8(saved[p].substr(2)) != cp932::ToUtf8(held[p].substr(2))) {
            return false;
        }
    }
    return true;
}

// The same damage in a real file, as the open command meets it: the count
// of the second site name made far too long keeps the work type and the
// district and says the file is damaged.
TEST(DesignFile, CountRunningPastTheEndIsDamage) {
    std::vector<std::string> items = SplitItems(SerializeDesign(FullDesign()));
    items[3][1] = '\x40';
    DesignData d = DirtyDesign();
    ASSERT_EQ(ParseDesignBytes(Join(items, 0, 136), d), DesignReadStatus::Damaged);
    EXPECT_EQ(d.WorkType, 3);
    EXPECT_EQ(d.DistrictName, "地区");
    EXPECT_EQ(d.LineName, "");
    EXPECT_EQ(d.AnchorKind, 0);
}

// Bytes that are no code page 932 damage their text, which keeps what can be
// read; the count still holds, so every later value is read.
TEST(DesignFile, UndecodableTextIsDamageButTheRestIsRead) {
    const struct {
        const char* name;
        std::string bytes;
        const char* read;
    } cases[] = {
        {"undefined single byte",
         "a\x80"
         "b",
         "a\uFFFDb"},
        {"lead byte without a trail byte", "ab\x81", "ab\uFFFD"},
        {"lead byte before an ASCII control", "\x92\x0Ax", "\uFFFD\nx"},
        {"byte FF", "\xFF", "\uFFFD"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> items = SplitItems(SerializeDesign(FullDesign()));
        items[4] = TextItem(c.bytes);
        DesignData d = DirtyDesign();
        EXPECT_EQ(ParseDesignBytes(Join(items, 0, 136), d), DesignReadStatus::Damaged) << c.name;
        EXPECT_EQ(d.Remarks, c.read) << c.name;
        DesignData rest = FullDesign();
        rest.Remarks = d.Remarks;
        EXPECT_TRUE(d == rest) << c.name;
    }
}

// An Integer of a file the program wrote, set to each end of its range and
// beyond: within the range it is read as it stands; beyond it the file is
// damaged, the field keeps its new-design value and every other value is
// still read.
TEST(DesignFile, IntegerOutsideItsRangeIsDamage) {
    const std::vector<std::string> goodItems = SplitItems(SerializeDesign(FullDesign()));
    for (const IntSpec& s : kInts) {
        const int values[] = {s.lo - 1, s.lo, s.hi, s.hi + 1, -32768, 32767};
        for (int v : values) {
            SCOPED_TRACE("position " + std::to_string(s.pos) + " set to " + std::to_string(v));
            const bool inRange = v >= s.lo && v <= s.hi;
            std::vector<std::string> items = goodItems;
            items[s.pos] = Le16(v);
            DesignData d = DirtyDesign();
            EXPECT_EQ(ParseDesignBytes(Join(items, 0, 136), d),
                      inRange ? DesignReadStatus::Ok : DesignReadStatus::Damaged);
            items[s.pos] = Le16(inRange ? v : s.fresh);
            EXPECT_EQ(SerializeDesign(d), Join(items, 0, 136));
        }
    }
}

// Random and mutated input never crashes, and whatever is read, of a whole
// or a damaged file, can be written and read again, whole and unchanged.
TEST(DesignFile, DamagedInputNeverBreaksTheReader) {
    std::mt19937 rng(20240611);
    const std::string full = SerializeDesign(FullDesign());
    auto byte = [&] { return static_cast<char>(rng() & 0xFF); };
    for (int n = 0; n < 4000; ++n) {
        std::string input;
        switch (n % 4) {
            case 0:  // noise
                input.resize(rng() % 400);
                for (char& c : input) c = byte();
                break;
            case 1:  // a header and noise
                input = Header();
                input.resize(76 + rng() % 600);
                for (std::size_t i = 76; i < input.size(); ++i) input[i] = byte();
                break;
            default:  // a full file with a few bytes changed and maybe cut
                input = full;
                for (int k = 0, m = 1 + rng() % 8; k < m; ++k)
                    input[76 + rng() % (full.size() - 76)] = byte();
                input.resize(76 + rng() % (full.size() - 75));
                break;
        }
        DesignData d = DirtyDesign();
        const DesignReadStatus status = ParseDesignBytes(input, d);
        const bool headerIntact = input.size() >= 76 && input.compare(0, 76, Header()) == 0;
        ASSERT_EQ(status != DesignReadStatus::Foreign, headerIntact) << n;
        if (status == DesignReadStatus::Foreign) continue;
        const std::string once = SerializeDesign(d);
        DesignData again;
        ASSERT_EQ(ParseDesignBytes(once, again), DesignReadStatus::Ok);
        ASSERT_EQ(SerializeDesign(again), once) << n;
    }
}

class DesignFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/talvo_designfile_XXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        for (const auto& e : fs::recursive_directory_iterator(dir_, ec))
            fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::vector<std::string> Names(const std::string& folder) const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    static bool Root() { return ::geteuid() == 0; }

    std::string dir_;
};

TEST_F(DesignFileOnDisk, WriteReplacesTheFileAndReadsBack) {
    const std::string path = Path("設計1.kvd");
    Put(path, "old contents");
    ::chmod(path.c_str(), 0640);
    const DesignWriteResult w = WriteDesignFile(path, FullDesign());
    ASSERT_TRUE(w.ok) << w.error;
    EXPECT_EQ(w.error, "");
    EXPECT_EQ(Contents(path), SerializeDesign(FullDesign()));
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"設計1.kvd"});  // no temporary left
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // The write gives the stamp of what it wrote: the file as it stands.
    const FileStamp now = TakeFileStamp(path);
    EXPECT_EQ(w.stamp.path, path);
    EXPECT_EQ(w.stamp.size, now.size);
    EXPECT_EQ(w.stamp.checksum, now.checksum);
    EXPECT_EQ(w.stamp.modifiedNs, now.modifiedNs);
    EXPECT_EQ(CompareWithStamp(w.stamp), StampComparison::Same);

    DesignData d = DirtyDesign();
    EXPECT_EQ(ReadDesignFile(path, d), DesignReadStatus::Ok);
    EXPECT_TRUE(d == FullDesign());
}

TEST_F(DesignFileOnDisk, FailedWriteLeavesTheOldFileWhole) {
    const std::string old = SerializeDesign(DesignData{});
    DesignData tooLong = FullDesign();
    for (int i = 0; i < 16384; ++i) tooLong.Remarks += "地";  // 32768 bytes

    struct Case {
        const char* name;
        std::string path;
        DesignData design;
        std::string error;
    };
    Put(Path("keep.kvd"), old);
    // The ways a replacement itself fails are tried on ReplaceFile; one here
    // shows that such a failure reaches the caller.
    const Case cases[] = {
        {"folder does not exist", Path("nowhere/a.kvd"), FullDesign(),
         Path("nowhere/a.kvd") + " に書き込めません。\nファイルまたはフォルダーが見つかりません。"},
        {"text over 32767 bytes", Path("keep.kvd"), tooLong,
         Path("keep.kvd") + " に書き込めません。\n32767 バイトを超える文字列は保存できません。"},
    };
    for (const Case& c : cases) {
        const DesignWriteResult w = WriteDesignFile(c.path, c.design);
        EXPECT_FALSE(w.ok) << c.name;
        EXPECT_EQ(w.error, c.error) << c.name;
        EXPECT_EQ(w.stamp.path, "") << c.name;  // nothing written, nothing to vouch for
    }
    EXPECT_FALSE(fs::exists(Path("nowhere")));
    EXPECT_EQ(Contents(Path("keep.kvd")), old);
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"keep.kvd"});
}

TEST_F(DesignFileOnDisk, ReadOnlyFileIsNotSavedOver) {
    // The refusal itself is tried as another user on ReplaceFile, under root
    // too; here it is the design save that must reach the user with it.
    if (Root()) GTEST_SKIP() << "root writes any file";
    const std::string path = Path("read-only.kvd");
    const std::string old = SerializeDesign(DesignData{});
    Put(path, old);
    ::chmod(path.c_str(), 0444);
    const DesignWriteResult w = WriteDesignFile(path, FullDesign());
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.error, path + " に書き込めません。\nアクセスが拒否されました。");
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(Names(dir_), std::vector<std::string>{"read-only.kvd"});
}

// One byte of a design file the program wrote, damaged in each way at every
// position: the file is either read with nothing lost, or reported as
// damaged (as foreign when the damage is in the signature). Either way the
// values before the damage are read.
TEST_F(DesignFileOnDisk, DamageAtEveryByteEitherReadsWholeOrIsReported) {
    ASSERT_TRUE(WriteDesignFile(Path("fixture.kvd"), FullDesign()).ok);
    const std::string good = Contents(Path("fixture.kvd"));
    const std::vector<std::string> goodItems = SplitItems(good);
    using Damage = std::function<std::string(std::size_t)>;
    const std::pair<const char*, Damage> kinds[] = {
        {"cut", [&](std::size_t at) { return good.substr(0, at); }},
        {"set to 40",
         [&](std::size_t at) {
             std::string s = good;
             s[at] = '\x40';
             return s;
         }},
        {"set to FF",
         [&](std::size_t at) {
             std::string s = good;
             s[at] = '\xFF';
             return s;
         }},
        {"set to 00",
         [&](std::size_t at) {
             std::string s = good;
             s[at] = '\0';
             return s;
         }},
        {"dropped", [&](std::size_t at) { return good.substr(0, at) + good.substr(at + 1); }},
        {"lead byte put in",
         [&](std::size_t at) { return good.substr(0, at) + '\x81' + good.substr(at); }},
    };
    for (const auto& [kind, damage] : kinds) {
        for (std::size_t at = 0; at < good.size(); ++at) {
            // Items 0 to `before` (the header and whole values) lie before the damage.
            std::size_t before = 0;
            for (std::size_t i = 0, end = 0; i < goodItems.size(); ++i) {
                end += goodItems[i].size();
                if (end > at) break;
                before = i;
            }
            const std::string bytes = damage(at);
            DesignData d = DirtyDesign();
            const DesignReadStatus status = ParseDesignBytes(bytes, d);
            SCOPED_TRACE(std::string(kind) + " at " + std::to_string(at));
            if (at < 76) {
                ASSERT_EQ(status, bytes.size() >= 76 && bytes.compare(0, 76, Header()) == 0
                                      ? DesignReadStatus::Ok
                                      : DesignReadStatus::Foreign);
                continue;
            }
            ASSERT_NE(status, DesignReadStatus::Foreign);
            EXPECT_EQ(status == DesignReadStatus::Ok, NothingLost(bytes, d));
            EXPECT_EQ(Join(SplitItems(SerializeDesign(d)), 0, before + 1),
                      Join(goodItems, 0, before + 1));
        }
    }
}

// A file the program wrote is never damaged: the examples, and records of
// random texts (characters of every kind code page 932 holds, look-alikes
// and characters it cannot hold, controls, bytes that are no UTF-8) read back
// whole, as the very bytes that were written.
TEST_F(DesignFileOnDisk, EveryFileTheWriterWritesReadsWhole) {
    std::vector<std::string> files;
    for (const auto& e :
         fs::directory_iterator(fs::path(TALVO_TEST_DATA) / ".." / ".." / "examples"))
        if (e.path().extension() == ".kvd") files.push_back(e.path().string());
    ASSERT_FALSE(files.empty());

    const std::vector<std::string> pieces = {"a",
                                             "Z",
                                             "0",
                                             ".",
                                             " ",
                                             "\t",
                                             std::string(1, '\0'),
                                             "\x01",
                                             "\x7F",
                                             "\\",
                                             "~",
                                             "ｱ",
                                             "ﾟ",
                                             "｡",
                                             "地",
                                             "測",
                                             "髙",
                                             "①",
                                             "Ⅰ",
                                             "㈱",
                                             "纊",
                                             "ⅰ",
                                             "￢",
                                             "∵",
                                             "～",
                                             "―",
                                             "\uE000",
                                             "\uE757",
                                             "〜",
                                             "−",
                                             "‖",
                                             "¢",
                                             "£",
                                             "¬",
                                             "é",
                                             "😀",
                                             "\u00A0",
                                             "한",
                                             "\uFFFD",
                                             "\xC3",
                                             "\xED\xA0\x80",
                                             "\xFF",
                                             "\xE3\x81"};
    std::mt19937 rng(20250611);
    for (int n = 0; n < 150; ++n) {
        const DesignData d = DesignWith(
            [&](int) {
                std::string text;
                for (int k = 0, len = static_cast<int>(rng() % 24); k < len; ++k)
                    text += pieces[rng() % pieces.size()];
                return text;
            },
            [&](int pos) {
                const IntSpec* s = IntAt(pos);
                return s->lo + static_cast<int>(rng() % (s->hi - s->lo + 1));
            });
        const std::string path = Path("random" + std::to_string(n) + ".kvd");
        ASSERT_TRUE(WriteDesignFile(path, d).ok) << n;
        files.push_back(path);
    }
    for (const std::string& file : files) {
        DesignData d;
        ASSERT_EQ(ReadDesignFile(file, d), DesignReadStatus::Ok) << file;
        EXPECT_EQ(SerializeDesign(d), Contents(file)) << file;
    }
}

TEST_F(DesignFileOnDisk, LongestStorableTextIsWritten) {
    DesignData d;
    d.Remarks = "a";
    for (int i = 0; i < 16383; ++i) d.Remarks += "地";  // 32767 bytes
    const std::string path = Path("long.kvd");
    ASSERT_TRUE(WriteDesignFile(path, d).ok);
    DesignData read;
    ASSERT_EQ(ReadDesignFile(path, read), DesignReadStatus::Ok);
    EXPECT_EQ(read.Remarks, d.Remarks);
    EXPECT_EQ(read.SameSection, 1);  // the values after it are read too
}

// The reader's bound is the longest design the writer writes: every text at
// 32,767 bytes (single- and double-byte characters). A bound one byte short
// would cut the last text and report the file damaged.
TEST_F(DesignFileOnDisk, LongestDesignIsExactlyTheReadBound) {
    const auto longest = [](int pos) {
        if (pos % 2 == 0) return std::string(32767, 'x');
        std::string text = "a";
        for (int i = 0; i < 16383; ++i) text += "測";
        return text;
    };
    const DesignData d = DesignWith(longest, [](int pos) { return IntAt(pos)->full; });
    const std::string bytes = SerializeDesign(d);
    EXPECT_EQ(bytes.size(), MaxDesignFileBytes());
    EXPECT_EQ(bytes.size(), 76u + 24 * 2 + 111 * (2 + 32767));

    const std::string path = Path("longest.kvd");
    ASSERT_TRUE(WriteDesignFile(path, d).ok);
    EXPECT_EQ(fs::file_size(path), MaxDesignFileBytes());
    DesignData read = DirtyDesign();
    ASSERT_EQ(ReadDesignFile(path, read), DesignReadStatus::Ok);
    EXPECT_TRUE(read == d);
}

TEST_F(DesignFileOnDisk, ReadReportsWhatItFound) {
    fs::create_directory(Path("folder"));
    Put(Path("empty.kvd"), "");
    Put(Path("short.kvd"), Header().substr(0, 40));
    Put(Path("good.kvd"), SerializeDesign(FullDesign()));
    fs::create_symlink(Path("gone.kvd"), Path("dangling.kvd"));
    // Longer than any design can be: read as far as a design goes.
    Put(Path("padded.kvd"), SerializeDesign(FullDesign()) + std::string(4 << 20, '\x7f'));
    const std::pair<std::string, DesignReadStatus> cases[] = {
        {"absent.kvd", DesignReadStatus::Missing},   {"folder", DesignReadStatus::NotAFile},
        {"dangling.kvd", DesignReadStatus::Missing}, {"empty.kvd", DesignReadStatus::Foreign},
        {"short.kvd", DesignReadStatus::Foreign},    {"good.kvd", DesignReadStatus::Ok},
        {"padded.kvd", DesignReadStatus::Ok},
    };
    for (const auto& [name, status] : cases) {
        DesignData d = DirtyDesign();
        EXPECT_EQ(ReadDesignFile(Path(name), d), status) << name;
        EXPECT_TRUE(d == (status == DesignReadStatus::Ok ? FullDesign() : DirtyDesign())) << name;
    }
}

TEST_F(DesignFileOnDisk, UnreadableFileIsUnopenable) {
    if (Root()) GTEST_SKIP() << "root reads any file";
    const std::string path = Path("locked.kvd");
    Put(path, SerializeDesign(FullDesign()));
    ::chmod(path.c_str(), 0);
    DesignData d = DirtyDesign();
    EXPECT_EQ(ReadDesignFile(path, d), DesignReadStatus::Unopenable);
    EXPECT_TRUE(d == DirtyDesign());
}

}  // namespace
}  // namespace talvo
