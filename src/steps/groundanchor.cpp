#include "steps/groundanchor.h"

#include "calc/anchorage.h"
#include "shell/numtext.h"

namespace talvo {

int AnchorKindInUse(int kind) {
    return kind >= 0 && kind < kAnchorKindCount ? kind : 0;
}

std::string TendonAllowable(const std::string& factor, const std::string& load) {
    return TendonAllowableLoad(factor, load);
}

std::string TendonRequired(const std::string& ptShown, const std::string& factor) {
    const double f = NumVal(factor);
    if (f == 0) return std::string();
    return FormatNum(NumStr(NumVal(ptShown) / f), 5, 1);
}

std::string TendonLoadsMessage(const std::string& tus, const std::string& tys) {
    if (!HoldsNumber(tus) || !HoldsNumber(tys)) return std::string();
    if (NumVal(tys) <= NumVal(tus)) return std::string();
    return "降伏荷重が引張荷重を超えています。\r降伏荷重 Tys（" + TrimBlanks(tys) +
           "）を引張荷重 Tus（" + TrimBlanks(tus) + "）以下に変更してください。";
}

TendonMark JudgeTendon(const std::string& allowStored, const std::string& ptStored,
                       const std::string& allowShown, const std::string& ptShown) {
    TendonMark m;
    if (!Present(allowStored) || !Present(ptStored)) return m;
    if (NumVal(allowShown) >= NumVal(ptShown)) {
        m.sign = "≧";
        m.verdict = "ok";
    } else {
        m.sign = "＜";
        m.verdict = "out";
        m.out = true;
    }
    return m;
}

namespace {

// The standard range of the anchorage length, 3 to 10 m inclusive.
LengthVerdict LaRange(double la) {
    return la < 3 || la > 10 ? LengthVerdict::OutsideRange : LengthVerdict::Ok;
}

}  // namespace

LengthVerdict JudgeAnchorLa(const std::string& la, const std::string& la1Up,
                            const std::string& la2Up) {
    if (!Present(la)) return LengthVerdict::Ok;
    const double v = NumVal(la);
    // Without both bond lengths (a bond input not given) an entered La cannot
    // be shown to hold: it is marked until they exist.
    const bool holds = Present(la1Up) && Present(la2Up) && v >= NumVal(la1Up) && v >= NumVal(la2Up);
    if (!holds) return LengthVerdict::BelowBond;
    return LaRange(v);
}

LengthVerdict JudgeAnchorLa(const std::string& la, const std::string& la1Up,
                            const std::string& la2Up, const std::string& pt) {
    if (Present(pt)) return JudgeAnchorLa(la, la1Up, la2Up);
    return Present(la) ? LaRange(NumVal(la)) : LengthVerdict::Ok;
}

LengthVerdict JudgeAnchorLf(const std::string& lf) {
    if (!Present(lf)) return LengthVerdict::Ok;
    const double v = NumVal(lf);
    return v < 4 || v > 30 ? LengthVerdict::OutsideRange : LengthVerdict::Ok;
}

std::string LaMessage(LengthVerdict v) {
    switch (v) {
        case LengthVerdict::BelowBond:
            return kBelowBondMessage;
        case LengthVerdict::OutsideRange:
            return kLaRangeMessage;
        case LengthVerdict::Ok:
            break;
    }
    return std::string();
}

std::string LfMessage(LengthVerdict v) {
    return v == LengthVerdict::Ok ? std::string() : std::string(kLfRangeMessage);
}

}  // namespace talvo
