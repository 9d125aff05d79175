#include "shell/designfile.h"

#include <cstdint>

#include "shell/codec.h"
#include "shell/fileio.h"

namespace talvo {
namespace {

constexpr char kSignatureText[] =
    "Talvo-SI FILE  slope frame design data                                  ";
static_assert(sizeof kSignatureText - 1 == 72, "the signature is exactly 72 characters");

constexpr std::int16_t kTextTag = 8;
constexpr std::size_t kHeaderSize = 4 + 72;
constexpr std::size_t kMaxTextBytes = 32767;

// The stored values in file order, once for the reader and the writer. `D` is
// DesignData or const DesignData; the visitor gets each Integer with the range
// it may hold and each text.
template <class D, class V>
void VisitStored(D& d, V& v) {
    v.Int(d.WorkType, 0, 5);
    v.Text(d.DistrictName);
    v.Text(d.LineName);
    v.Text(d.Remarks);
    v.Text(d.SectionBx);
    v.Text(d.SectionHx);
    v.Text(d.SectionDx);
    v.Text(d.SectionBy);
    v.Text(d.SectionHy);
    v.Text(d.SectionDy);
    v.Int(d.SameSection, 0, 1);
    // Spans stand y before x in the file.
    v.Text(d.SpanCountY);
    v.Text(d.SpanCountX);
    v.Text(d.SpanY);
    v.Text(d.SpanX);
    v.Text(d.OverhangUpper);
    v.Text(d.OverhangLower);
    v.Text(d.OverhangLeft);
    v.Text(d.OverhangRight);
    v.Text(d.AnchorCountY);
    v.Text(d.AnchorCountX);
    v.Text(d.PitchY);
    v.Text(d.PitchX);
    v.Text(d.AnchorOverhangUpper);
    v.Text(d.AnchorOverhangLower);
    v.Text(d.AnchorOverhangLeft);
    v.Text(d.AnchorOverhangRight);
    v.Text(d.SoilName);
    v.Text(d.SoilGamma);
    v.Text(d.SnowRemarks);
    v.Text(d.SnowDepth);
    v.Text(d.SnowGamma);
    v.Text(d.InfillName);
    v.Text(d.InfillThick);
    v.Text(d.InfillGamma);
    v.Text(d.FrameMaterial);
    v.Text(d.FrameGamma);
    v.Text(d.SlopeN);
    v.Text(d.SlopeAngle);
    v.Text(d.TotalLengthY);
    v.Text(d.TotalLengthX);
    v.Text(d.SlopeHeight);
    v.Int(d.SlopeInputMode, 0, 1);
    v.Text(d.PlanFs);
    v.Text(d.Pr);
    v.Text(d.SlipAngle);
    v.Text(d.HorizSpacing);
    v.Text(d.RowCount);
    v.Text(d.InstallAngle);
    v.Text(d.FrictionAngle);
    v.Text(d.TanPhi);
    v.Int(d.FrictionInputMode, 0, 1);
    v.Text(d.KusabiL1);
    v.Text(d.KusabiL2);
    v.Text(d.KusabiH);
    v.Text(d.KusabiAlpha);
    v.Int(d.KusabiInputMode, 0, 4);
    v.Text(d.EnkoL1);
    v.Text(d.EnkoL2);
    v.Text(d.EnkoL3);
    v.Text(d.DeltaFs);
    // The shear-check values go work type by work type, four per type.
    for (std::size_t i = 0; i < 5; ++i) {
        v.Text(d.ShearXInput[i]);
        v.Text(d.TateShearX[i]);
        v.Text(d.YokoShearX[i]);
        v.Int(d.ShearXMode[i], 0, 2);
    }
    v.Text(d.SigmaCk);
    v.Text(d.SigmaCa);
    v.Text(d.TauCa);
    v.Text(d.TauOa);
    v.Text(d.SigmaSa);
    v.Int(d.ShearStressMode, 0, 1);
    v.Text(d.AncBarTauSa);
    v.Int(d.AncBarIndex, 0, 11);
    v.Text(d.AncBarFs);
    v.Text(d.AncBarTauS);
    v.Text(d.RockTauSa);
    v.Text(d.RockSigmaSa);
    v.Int(d.RockBarIndex, 0, 11);
    v.Text(d.RockTau);
    v.Text(d.RockSigma);
    v.Text(d.RockDa);
    v.Text(d.RockTauG);
    v.Text(d.RockTauB);
    v.Text(d.RockFs);
    v.Text(d.RockSpare);
    v.Text(d.RockLa);
    v.Text(d.RockLf);
    v.Text(d.RockLength);
    v.Text(d.TendonName);
    v.Text(d.TendonStandard);
    v.Text(d.Tus);
    v.Text(d.Tys);
    v.Int(d.AnchorKind, 0, 2);
    v.Text(d.TusAllow);
    v.Text(d.TysAllow);
    v.Text(d.AnchorDs);
    v.Text(d.AnchorDa);
    v.Text(d.AnchorTauG);
    v.Text(d.AnchorTauB);
    v.Text(d.AnchorFs);
    v.Text(d.AnchorSpare);
    v.Text(d.AnchorLa);
    v.Text(d.AnchorLf);
    v.Text(d.AnchorLength);
    v.Int(d.TateShareMode, 0, 1);
    v.Int(d.YokoShareMode, 0, 1);
    v.Int(d.ToubunpuMode, 0, 3);
    v.Text(d.PlateU);
    v.Text(d.PlateSigma);
    v.Text(d.PlateT);
    v.Int(d.RestraintMode, 0, 2);
    v.Int(d.UsePlanFs, 0, 1);
    v.Text(d.PtCalc);
    v.Text(d.PtInput);
    v.Int(d.PtDirect, 0, 1);
    v.Int(d.UseInfill, 0, 1);
    v.Int(d.UseSnow, 0, 1);
    v.Int(d.Staggered, 0, 1);
    v.Int(d.AllGridPoints, 0, 1);
}

// Counts the bytes of the longest file: every value as VisitStored stores it,
// each text at the longest length the writer lets through.
struct Bound {
    std::size_t bytes = kHeaderSize;

    void Int(std::int16_t, int, int) { bytes += 2; }
    void Text(const std::string&) { bytes += 2 + kMaxTextBytes; }
};

void PutInt16(std::string& out, std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
}

std::int16_t GetInt16(std::string_view bytes, std::size_t pos) {
    const auto lo = static_cast<unsigned char>(bytes[pos]);
    const auto hi = static_cast<unsigned char>(bytes[pos + 1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

// The signature item: the text tag, the length 72 and the signature.
const std::string& Header() {
    static const std::string header = [] {
        std::string h;
        PutInt16(h, kTextTag);
        PutInt16(h, 72);
        h.append(kSignatureText, 72);
        return h;
    }();
    return header;
}

struct Writer {
    std::string out;
    bool fits = true;

    void Int(std::int16_t v, int, int) { PutInt16(out, v); }
    void Text(const std::string& text) {
        const std::string bytes = cp932::FromUtf8(text);
        if (bytes.size() > kMaxTextBytes) {
            fits = false;
            return;
        }
        PutInt16(out, static_cast<std::int16_t>(bytes.size()));
        out += bytes;
    }
};

struct Reader {
    std::string_view bytes;
    std::size_t pos = kHeaderSize;
    bool stopped = false;  // the file ended, or a count was damaged
    bool damaged = false;  // what the file holds cannot all be read

    // Whether the next value starts here. A file that ends between two
    // values is whole as far as it goes; one that ends inside a value was
    // cut or its count is wrong.
    bool Starts(std::size_t n) {
        if (stopped) return false;
        const std::size_t left = bytes.size() - pos;
        if (left >= n) return true;
        stopped = true;
        damaged = left != 0;
        return false;
    }
    void Int(std::int16_t& field, int lo, int hi) {
        if (!Starts(2)) return;
        const std::int16_t v = GetInt16(bytes, pos);
        pos += 2;
        // Out of range: no value the program writes, so the file is damaged.
        // The field keeps the new-design value it was reset to, and the
        // reading goes on: the value's two bytes are where they should be.
        if (v >= lo && v <= hi) {
            field = v;
        } else {
            damaged = true;
        }
    }
    void Text(std::string& field) {
        if (!Starts(2)) return;
        const std::int16_t n = GetInt16(bytes, pos);
        pos += 2;
        // A count that is negative or runs past the end cannot be trusted,
        // nor can anything after it: every later value would be read from
        // the wrong bytes.
        if (n < 0 || bytes.size() - pos < static_cast<std::size_t>(n)) {
            stopped = true;
            damaged = true;
            return;
        }
        // As stored: blanks are part of the display text. Bytes that are no
        // code page 932 are damage too, but the count holds, so the values
        // after this one are still read.
        std::size_t undecodable = 0;
        field = cp932::ToUtf8(bytes.substr(pos, static_cast<std::size_t>(n)), &undecodable);
        if (undecodable != 0) damaged = true;
        pos += static_cast<std::size_t>(n);
    }
};

}  // namespace

const std::string kDesignSignature(kSignatureText, 72);

std::size_t MaxDesignFileBytes() {
    // From the one list of the stored values, so that a value added to the
    // file raises the bound with it.
    static const std::size_t bytes = [] {
        Bound bound;
        const DesignData design{};
        VisitStored(design, bound);
        return bound.bytes;
    }();
    return bytes;
}

std::string SerializeDesign(const DesignData& design) {
    Writer w;
    w.out.reserve(1024);
    w.out += Header();
    VisitStored(design, w);
    if (!w.fits) return std::string();
    return std::move(w.out);
}

DesignReadStatus ParseDesignBytes(std::string_view bytes, DesignData& design) {
    if (bytes.size() < kHeaderSize || bytes.substr(0, kHeaderSize) != Header()) {
        return DesignReadStatus::Foreign;
    }
    design = DesignData{};
    Reader r{bytes};
    VisitStored(design, r);
    return r.damaged ? DesignReadStatus::Damaged : DesignReadStatus::Ok;
}

DesignReadStatus ReadDesignFile(const std::string& path, DesignData& design, std::string* reason) {
    const FileReadResult file = ReadFileBounded(path, MaxDesignFileBytes());
    if (reason) reason->clear();
    switch (file.status) {
        case FileReadStatus::Missing:
            return DesignReadStatus::Missing;
        case FileReadStatus::NotAFile:
            return DesignReadStatus::NotAFile;
        case FileReadStatus::CannotOpen:
            if (reason) *reason = file.error;
            return DesignReadStatus::Unopenable;
        case FileReadStatus::ReadError: {
            // A read that fails before the first byte means the file cannot
            // be opened. A later failure leaves the bytes before it, read as
            // far as they go; what the rest held is unknown, so the file
            // counts as damaged even when those bytes end between two values.
            if (file.bytes.empty()) {
                if (reason) *reason = file.error;
                return DesignReadStatus::Unopenable;
            }
            const DesignReadStatus status = ParseDesignBytes(file.bytes, design);
            return status == DesignReadStatus::Ok ? DesignReadStatus::Damaged : status;
        }
        case FileReadStatus::Ok:
        case FileReadStatus::TooLarge:
            // Nothing past MaxDesignFileBytes can belong to a design, so the
            // first MaxDesignFileBytes give the same record as the whole file.
            break;
    }
    return ParseDesignBytes(file.bytes, design);
}

DesignWriteResult WriteDesignFile(const std::string& path, const DesignData& design) {
    DesignWriteResult result;
    const std::string bytes = SerializeDesign(design);
    if (bytes.empty()) {
        result.error = CannotWriteMessage(path, "32767 バイトを超える文字列は保存できません。");
        return result;
    }
    result.error = ReplaceFile(path, bytes);
    result.ok = result.error.empty();
    return result;
}

}  // namespace talvo
