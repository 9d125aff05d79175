// The form kit: how every window of both programs lays out its controls.
//
// Positions and sizes are given in twips, as the window layouts are written,
// and converted once through PlaceTwips (platform/mdichild.h), so a window
// keeps its proportions at any DPI and its constructor reads as its layout.
// Texts cross between the core's UTF-8 strings and Qt here and nowhere else.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <string>

#include "platform/mdichild.h"

namespace talvo {

// ---- Text at the windows' edge ----

inline QString QStr(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string StdStr(const QString& s) {
    return s.toStdString();
}
// A number text of the record as the windows show it: FormatNum(text,
// places, decimals) (an empty text stays empty).
QString NumText(const std::string& text, int places, int decimals);

// ---- Colours ----

// Text colours of the entry boxes: a contradicting pair of inputs is red.
inline const QColor kRedText{255, 0, 0};
inline const QColor kBlackText{0, 0, 0};

// Fore colour of a control's text (an entry box's or a label's).
void SetForeColor(QWidget* w, const QColor& c);
// Filled background and text colour of a label (title bars, headers, marks).
void SetLabelColors(QLabel* label, const QColor& back, const QColor& fore);
// The colour a control's ground takes where it fills its background (a mask
// over a drawing, a bar); whether it fills it is left as it is.
void SetBackColor(QWidget* w, const QColor& back);
// Fore colour of a label's own text (a verdict mark). A label paints with
// WindowText; Text takes the colour too, so that ForeColor reads it back.
void SetLabelForeColor(QLabel* label, const QColor& c);

// ---- Controls placed in twips ----

// A static text. A text holding "<" is rich text, so that an index can be
// written as "b<sub>y</sub>"; any other text is shown as it stands. The
// length units "m" and "mm", small letters only, are set larger, so that
// they stand as tall as the capitals and digits beside them.
QLabel* AddLabel(QWidget* parent, const QString& text, int left, int top, int width, int height,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
// The same for a label made elsewhere (one placed by a layout): a text "m" or
// "mm" is set larger; any other text is left as it is.
void EnlargeSmallLetterUnit(QLabel* label);
// A smaller static text, top-aligned: an index or an exponent set beside a
// normal text (the "0" of sinθ0, the "2" of a square).
QLabel* AddSmallLabel(QWidget* parent, const QString& text, int left, int top, int width,
                      int height);
// A header bar over a group of entries: its text bold, white and centred
// on blue.
QLabel* AddHeaderLabel(QWidget* parent, const QString& text, int left, int top, int width,
                       int height);

// How a value label looks.
enum class ValueLook {
    Boxed,   // a single-line border, right-aligned: a computed number in a formula
    Sunken,  // a sunken border, left-aligned: looks like an entry box, shows a derived value
};
// A label that shows a value, named `name`, on a white ground.
QLabel* AddValueLabel(QWidget* parent, const QString& name, int left, int top, int width,
                      int height, ValueLook look = ValueLook::Boxed);

// A framed panel with its caption.
QGroupBox* AddPanel(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height);

// An entry box, named as the window calls it ("txtWidth(0)"), its text left-aligned.
QLineEdit* AddEntryBox(QWidget* parent, const QString& name, int left, int top, int width,
                       int height);

// ---- Focus ----

// Puts the widgets one after the other in the tab order; a pair with a
// missing (null) widget is passed over.
void SetTabChain(std::initializer_list<QWidget*> widgets);
// The same order, held from the window's start: the first widget comes
// before all the others, so a window whose first control is made after its
// navigation bar still shows with the focus there. (The toolkit leaves a pair
// alone when the second already follows the first somewhere round the
// window's chain, which a chain ending in the bar always does.)
void SetTabChainFromFirst(std::initializer_list<QWidget*> widgets);

// Makes the options of one choice one stop of the Tab key: the Tab key
// enters the choice at the option chosen (at the first one that can take the
// focus while none is chosen) and leaves it at the next key; the arrow keys
// go round the options in the order given, passing over a disabled one, and
// choose the option they reach as a click would.
void OneTabStop(std::initializer_list<QAbstractButton*> options);

// Return and Enter press the push button holding the focus, as Space does,
// for every push button under `window` (those made later too, once this is
// called again: a button is set up once). The key is taken on the button
// itself, so a Return typed in an entry box still does what the box does
// with it, and no button becomes the dialog's default. A Return repeated by
// a held key presses nothing: holding it never runs through several steps.
void PressButtonsOnReturn(QWidget* window);

}  // namespace talvo
