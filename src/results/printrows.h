// The rows chosen for the report and the question before results marked OUT
// are printed. Both read the record only, so they answer alike whichever
// tab the results window shows and whether the window exists at all.
#pragma once

#include <cstdint>
#include <string>

namespace talvo {

// The horizontal set has a print row, and the vertical set one too unless
// only one set is in use (work type 2 or one common section).
bool PrintRowsComplete();

// The table row (0 to 11) of set `set` chosen for the report, or -1 when the
// set has none.
int PrintTableRow(int set);

// A print row in use holds a value marked OUT: red in the main-bar count,
// As, σs, σc, τo or the adopted stirrup spacing. A red τc (stirrups needed),
// a red required spacing and the size columns do not count. In single-set
// mode only the horizontal set's print row is looked at.
bool PrintRowsHoldOut();

// The question asked before printing, "" when there is nothing to ask: first
// what the required entries lack ("未入力の項目があります。", "範囲外の
// 項目があります。" or, both, "未入力の項目と範囲外の項目があります。"),
// then, with an OUT value in the print rows or a failed check of the
// anchors, the plate or the main anchor bar, "印刷対象となっている結果には
// ｏｕｔとなる項目があります。", each ended by a line break, then
// "印刷しますか？".
std::string PrintQuestion();

// Asks before OUT results are printed: 0 print, -1 do not print. With
// nothing to ask (PrintQuestion) it asks nothing and returns 0; otherwise it
// asks with Yes and No, No being the default (Enter does not print). Both
// reports ask alike.
std::int16_t Ins_Aka_Check();

}  // namespace talvo
