#pragma once

// Fonts, text measuring and page painting shared by the engine, the preview,
// the printer and the picture and PDF exports, so that what was measured while
// preparing is what gets painted.

#include "PreparedDocument.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>

class QPainter;
class QPaintDevice;

// Inner padding of a text box, in layout units.
inline constexpr double TextPadX = 2.0;
inline constexpr double TextPadY = 1.0;

// The family actually used for a template family: the family itself when
// installed, else its metric twin (Arial -> Liberation Sans, Times New Roman ->
// Liberation Serif, Courier New -> Liberation Mono). `substituted` is set when
// neither is installed and the system's fallback is used.
QString ResolveFontFamily(const QString &family, bool *substituted = nullptr);

// A font for measuring at 96 dpi (layout units).
QFont LayoutFont(const FontStyle &style);
// The 96-dpi device every measurement is made against.
QPaintDevice *LayoutDevice();

// What is drawn and measured: a carriage return of "\r\n" is left out.
QString DisplayText(const QString &text);
// Height a text needs inside a box of the given width (padding included).
double MeasureTextHeight(const QString &text, const FontStyle &font, double boxWidth, bool wordWrap);
// Splits `text` so that its first part fits `height` (padding included) in a
// box of `width`: returns the number of characters of the first part (0 when
// not even one line fits, text.size() when all fits). The parts are plain
// substrings, so joining them gives the text back unchanged.
int FittingCharacters(const QString &text, const FontStyle &font, double width, double height, bool wordWrap = true);

// Paints a page. The painter's transformation must map layout units (1/96
// inch) to the device; `highlights` are drawn over the page (found texts).
void PaintPage(QPainter &painter, const PreparedPage &page, const QList<QRectF> &highlights = {});

// Sets the painter up so that one layout unit is 1/96 inch on its device,
// scaled by `zoom`.
void ScaleToLayoutUnits(QPainter &painter, double zoom = 1.0);
