// Child windows of the main window: twips geometry, window states and the
// caption icon.
//
// Window positions and sizes are kept in twips, as in the settings file and
// the window layouts: 1440 twips per inch at the screen's logical DPI.
#pragma once

#include <QMdiSubWindow>
#include <QRect>
#include <QWidget>
#include <cstdint>

namespace talvo {

// ---- Twips ----

// Twips per pixel of the primary screen (15 at 96 DPI); 15 without a screen.
double TwipsPerPixelX();
double TwipsPerPixelY();
// Conversions, rounded to the nearest pixel / twip.
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);
// A twips value kept inside 16 bits (-32768 to 32767), for the values stored
// as 16-bit integers.
std::int16_t ClampTwips(long long twips);

// A rectangle given in twips, as pixels.
QRect TwipsToPixels(int left, int top, int width, int height);

// Moves and sizes a widget in twips: a top-level window or an MDI child by its
// frame (outer) rectangle, any other widget by its geometry in its parent.
void PlaceTwips(QWidget* w, int left, int top, int width, int height);
// Its rectangle in twips, each value kept inside 16 bits.
struct TwipsBox {
    std::int16_t left = 0;
    std::int16_t top = 0;
    std::int16_t width = 0;
    std::int16_t height = 0;
};
TwipsBox GetTwipsGeometry(const QWidget* w);

// The primary screen's available size in twips (kept inside 16 bits).
int ScreenWidthTwips();
int ScreenHeightTwips();

// ---- Window states ----

enum class WindowState : std::int16_t { Normal = 0, Minimized = 1, Maximized = 2 };

WindowState GetWindowState(const QWidget* w);
void SetWindowState(QWidget* w, WindowState state);

// The MDI child that holds `w` (w itself when it is one), or null.
QMdiSubWindow* SubWindowOf(const QWidget* w);

// ---- Caption icon ----

// Removes the icon from the caption of `w`'s window (an empty, fully
// transparent icon, so that no fall-back icon is drawn either).
void RemoveCaptionIcon(QWidget* w);

}  // namespace talvo
