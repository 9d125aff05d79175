#include "shell/stepchain.h"

#include <array>
#include <cstdio>

#include "shell/toolids.h"

namespace talvo {

namespace {

struct StepRow {
    const char* className;
    const char* shortName;
    const char* fullName;
    std::int32_t helpId;
};

// Wedge failure from the slope shoulder.
const std::vector<StepRow> kType0 = {
    {"N2danmen", "1.枠断面", "1.のり枠断面の形状寸法", 1010},
    {"N3supan", "2.枠スパン", "2.のり枠スパンの形状寸法", 1020},
    {"N4omosa", "3.枠重量", "3.のり枠にかかる重量", 1030},
    {"N5koubai", "4.のり断面", "4.のり面の断面形状", 1040},
    {"N6kusabi", "5.崩壊規模", "5.のり面の崩壊規模", 1050},
    {"NCtatemoment", "6.縦枠Ｍmax", "6.縦枠に発生する曲げモーメント", 1060},
    {"NDtatesendan", "7.縦枠Ｓmax", "7.縦枠に発生するせん断力", 1070},
    {"NEyokomoment", "8.横枠Ｍmax", "8.横枠に発生する曲げモーメント", 1080},
    {"NFyokosendan", "9.横枠Ｓmax", "9.横枠に発生するせん断力", 1090},
    {"NGouryoku", "10.許容応力度", "10.設計基準強度と許容応力度", 1100},
    {"NHanchor", "11.主ｱﾝｶｰ", "11.主アンカーの検討", 1110},
    {"NNkekka", "12.計算結果", "12.計算結果", 1120},
};

// Circular-arc failure in mid-slope: the names of type 0, with half-width M
// and S and full-width katakana in the short names.
const std::vector<StepRow> kType1 = {
    {"N2danmen", "1.枠断面", "1.のり枠断面の形状寸法", 1210},
    {"N3supan", "2.枠スパン", "2.のり枠スパンの形状寸法", 1220},
    {"N4omosa", "3.枠重量", "3.のり枠にかかる重量", 1230},
    {"N5koubai", "4.のり断面", "4.のり面の断面形状", 1240},
    {"N7enko", "5.崩壊規模", "5.のり面の崩壊規模", 1250},
    {"NCtatemoment", "6.縦枠Mmax", "6.縦枠に発生する曲げモーメント", 1260},
    {"NDtatesendan", "7.縦枠Smax", "7.縦枠に発生するせん断力", 1270},
    {"NEyokomoment", "8.横枠Mmax", "8.横枠に発生する曲げモーメント", 1280},
    {"NFyokosendan", "9.横枠Smax", "9.横枠に発生するせん断力", 1290},
    {"NGouryoku", "10.許容応力度", "10.設計基準強度と許容応力度", 1300},
    {"NHanchor", "11.主アンカー", "11.主アンカーの検討", 1310},
    {"NNkekka", "12.計算結果", "12.計算結果", 1320},
};

// Greening foundation work: horizontal beams only.
const std::vector<StepRow> kType2 = {
    {"N2danmen", "1.枠断面", "1.のり枠断面の形状寸法", 1410},
    {"N3supan", "2.枠スパン", "2.のり枠スパンの形状寸法", 1420},
    {"N4omosa", "3.枠重量", "3.のり枠にかかる重量", 1430},
    {"N5koubai", "4.のり断面", "4.のり面の断面形状", 1440},
    {"NEyokomoment", "5.横枠Mmax", "5.横枠に発生する曲げモーメント", 1450},
    {"NFyokosendan", "6.横枠Smax", "6.横枠に発生するせん断力", 1460},
    {"NGouryoku", "7.許容応力度", "7.設計基準強度と許容応力度", 1470},
    {"NHanchor", "8.主アンカー", "8.主アンカーの検討", 1480},
    {"NNkekka", "9.計算結果", "9.計算結果", 1490},
};

// With rock bolts (full chain). Step 4 carries the help id of type 4.
const std::vector<StepRow> kType3 = {
    {"N2danmen", "1.枠断面", "1.のり枠断面の形状寸法", 1610},
    {"N3haiti", "2.ロックボルト配置", "2.ロックボルト配置", 1620},
    {"N4omosa", "3.枠重量", "3.のり枠にかかる重量", 1630},
    {"N5koubai", "4.のり断面", "4.のり面の断面形状", 1840},
    {"N8yokusi", "5.必要抑止力", "5.必要抑止力", 1650},
    {"NIrockst", "6.設計荷重", "6.設計荷重", 1670},
    {"NArock1", "7.鋼材の選定", "7.ロックボルト鋼材の選定", 1680},
    {"NBrock2", "8.ロックボルト長", "8.ロックボルト長の算出", 1690},
    {"NJrocktb", "9.等分布荷重", "9.等分布荷重", 1700},
    {"NKrockmoment", "10.Mmax", "10.枠に発生する曲げモーメント", 1710},
    {"NLrocksendan", "11.Smax", "11.枠に発生するせん断力", 1720},
    {"NGouryoku", "12.許容応力度", "12.設計基準強度と許容応力度", 1730},
    {"NNkekka", "13.計算結果", "13.計算結果", 1740},
};

// With ground anchors (full chain).
const std::vector<StepRow> kType4 = {
    {"N2danmen", "1.枠断面", "1.のり枠断面の形状寸法", 1810},
    {"N3haiti", "2.アンカー配置", "2.アンカー配置", 1820},
    {"N4omosa", "3.枠重量", "3.のり枠にかかる重量", 1830},
    {"N5koubai", "4.のり断面", "4.のり面の断面形状", 1840},
    {"N8yokusi", "5.必要抑止力", "5.必要抑止力", 1850},
    {"NIrockpt", "6.設計荷重", "6.設計荷重", 1870},
    {"NAgrand1", "7.テンドンの選定", "7.テンドンの選定", 1880},
    {"NBgrand2", "8.アンカー長", "8.アンカー長の算出", 1890},
    {"NJrocktb", "9.等分布荷重", "9.等分布荷重", 1900},
    {"NKrockmoment", "10.Mmax", "10.枠に発生する曲げモーメント", 1910},
    {"NLrocksendan", "11.Smax", "11.枠に発生するせん断力", 1920},
    {"NGouryoku", "12.許容応力度", "12.設計基準強度と許容応力度", 1930},
    {"NMsiatu", "13.支圧応力度", "13.支圧応力度の検討", 1940},
    {"NMprate", "14.プレート厚さ", "14.アンカープレートの厚さ", 1950},
    {"NNkekka", "15.計算結果", "15.計算結果", 1960},
};

// A numbered name "9.等分布荷重" with its number replaced.
std::string Renumber(const std::string& name, int number) {
    std::size_t dot = name.find('.');
    return std::to_string(number) + (dot == std::string::npos ? "." + name : name.substr(dot));
}

// The name without its leading number, keeping the point.
std::string WithoutNumber(const std::string& name) {
    std::size_t dot = name.find('.');
    return dot == std::string::npos ? name : name.substr(dot);
}

// The rows of a chain; the short chains of types 3 and 4 leave out steps 5
// to 8 and number the rest on from 5.
std::vector<StepRow> ChainRows(int workType, int ptDirect, bool& known) {
    known = true;
    switch (workType) {
        case 0:
            return kType0;
        case 1:
            return kType1;
        case 2:
            return kType2;
        case 3:
        case 4: {
            const std::vector<StepRow>& full = workType == 3 ? kType3 : kType4;
            if (ptDirect == 0) return full;
            std::vector<StepRow> rows(full.begin(), full.begin() + 4);
            rows.insert(rows.end(), full.begin() + 8, full.end());
            return rows;
        }
        default:
            known = false;
            return {};
    }
}

struct SinkRow {
    const char* className;
    const char* sink;
    const char* tabWrap;
};

const std::array<SinkRow, 25> kSinks = {{
    {"N2danmen", "Text6", ""},
    {"N3supan", "Text9", "txtSpanNum(0)"},
    {"N3haiti", "Text9", ""},
    {"N4omosa", "Text2", ""},
    {"N5koubai", "Text1", "cmdBegin"},
    {"N6kusabi", "Text4", "cmdIndicate"},
    {"N7enko", "Text4", ""},
    {"N8yokusi", "Text9", ""},
    {"NCtatemoment", "Text2", ""},
    {"NDtatesendan", "", ""},
    {"NEyokomoment", "", ""},
    {"NFyokosendan", "Text2", "cmdBegin"},
    {"NGouryoku", "Text4", ""},
    {"NHanchor", "Text2", "Text7"},
    {"NIrockst", "Text1", ""},
    {"NIrockpt", "Text1", ""},
    {"NArock1", "Text3", "Text1"},
    {"NAgrand1", "Text5", "txtSteelName"},
    {"NBrock2", "Text9", "Text1"},
    {"NBgrand2", "Text10", "txtds"},
    {"NJrocktb", "Text1", "cmdBegin"},
    {"NKrockmoment", "Text1", "cmdBegin"},
    {"NLrocksendan", "Text2", "cmdBegin"},
    {"NMsiatu", "Text2", "Text1"},
    {"NMprate", "Text3", "txtStress"},
}};

const SinkRow* FindSink(const std::string& className) {
    for (const SinkRow& r : kSinks)
        if (className == r.className) return &r;
    return nullptr;
}

}  // namespace

std::vector<std::string> StepChain(int workType, int ptDirect) {
    bool known = false;
    std::vector<std::string> chain;
    for (const StepRow& r : ChainRows(workType, ptDirect, known)) chain.push_back(r.className);
    return chain;
}

bool StepNamesFor(int workType, int ptDirect, StepNameTable& names) {
    bool known = false;
    std::vector<StepRow> rows = ChainRows(workType, ptDirect, known);
    if (!known) return false;
    StepNameTable t;
    t.ShortName.assign(1, "");
    t.FullName.assign(1, "");
    t.IconName.assign(1, "");
    t.HelpId.assign(1, 0);
    int k = 0;
    for (const StepRow& r : rows) {
        ++k;
        t.ShortName.push_back(Renumber(r.shortName, k));
        t.FullName.push_back(Renumber(r.fullName, k));
        t.IconName.push_back(WithoutNumber(r.fullName));
        t.HelpId.push_back(r.helpId);
    }
    names = std::move(t);
    return true;
}

std::string StepIconCaption(int i, const std::string& iconName) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(i));
    return std::string("&") + hex + " " + iconName;
}

std::string StepIconId(int i) {
    return kToolStepIconPrefix + std::to_string(i);
}

std::string FocusSinkOf(const std::string& className) {
    const SinkRow* r = FindSink(className);
    return r ? r->sink : "";
}

std::string TabWrapTargetOf(const std::string& className) {
    const SinkRow* r = FindSink(className);
    return r ? r->tabWrap : "";
}

}  // namespace talvo
