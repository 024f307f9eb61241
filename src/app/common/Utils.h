#pragma once

// Small services shared by many windows: emptying a form part, the printer
// check, the caption painter of the owner-drawn tabs and cells, and the
// program's version text.

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;

// Empties the input fields that are direct children of `part`; fields inside
// nested panels are left as they are. Line edits and combo boxes get an empty
// text, check boxes are unticked, multi-line edits lose all their lines.
void ClearInputs(QWidget *part);

// True (after the notice "V počítači není nainstalována tiskárna" with
// "tiskové a náhledové funkce nebudou přístupné" on a second line) when no
// printer is installed; false without a message otherwise.
bool PrinterMissing(QWidget *parent);

// The effect of DrawText3D.
enum class TextEffect { Plain = 0, Raised = 1, Sunken = 2 };

// Draws `text` into `rect` shrunk by one pixel on each side. Alignment 1 =
// right, 2 = centred, 4 = bottom, 0 or 3 = left: these draw unclipped and
// centred vertically on one line; any other value draws left, clipped to the
// rectangle. Raised: the text in the shadow colour, then in the text colour
// one pixel left and up; sunken: the same one pixel right and down; plain: the
// text once. Gives the height of the drawn text plus 3.
int DrawText3D(const QString &text, QPainter &painter, const QRect &rect, bool wordWrap, int effect,
               int alignment, const QColor &textColor, const QColor &shadowColor);

// The program's version as compiled in; empty when the build set none.
QString VersionText();
