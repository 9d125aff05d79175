// What the companion's dialogs are built from: their buttons, their unit
// labels and their one key rule.
#pragma once

#include <QString>
#include <initializer_list>

class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QPushButton;
class QWidget;

namespace talvo::companion {

// A button that Enter does not press when it has the focus.
QPushButton* Button(const QString& text, QWidget* parent);
// The buttons of a dialog's bottom row, to the right.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);
// A unit beside an entry ("m", "kN/m<sup>3</sup>"): a length unit of small
// letters only is set as tall as the capitals around it, as in the design
// program's step windows.
QLabel* UnitLabel(const QString& text, QWidget* parent);
// The dialogs bind no button to Escape: the key is dropped (true) and the
// dialog stays open.
bool DropEscape(QKeyEvent* event);

}  // namespace talvo::companion
