#pragma once

// What the preview does, apart from its widgets: the caption, text search,
// zoom steps and printing a prepared document on a printer.

#include "PreparedDocument.h"

#include <QList>
#include <QRectF>
#include <QString>

class QPrinter;

// "Náhled", or "Náhled - <title>" when the template has a title.
QString PreviewCaption(const QString &title);

struct TextHit
{
    int page = 0;
    int item = 0;
    QRectF rect;  // the box that holds the text, in layout units
};

// Every text box holding `text` (ignoring case), in page and reading order.
QList<TextHit> FindText(const PreparedDocument &document, const QString &text);

// Zoom steps offered by the preview: a factor, or one of the fitting modes.
struct ZoomStep
{
    QString caption;
    double factor;  // 0 = whole page, -1 = page width
};
QList<ZoomStep> ZoomSteps();
// The factor a zoom step gives for a viewport of the given size (pixels) on a
// screen of `dpi`.
double ZoomFactor(const ZoomStep &step, const QSizeF &viewport, double dpi);

// Prints pages `fromPage` to `toPage` (1-based; 0 = all) on the printer.
// Throws TrelvoError when the printer cannot be started.
void PrintDocument(QPrinter &printer, const PreparedDocument &document, int fromPage = 0, int toPage = 0);

// The message shown when no printer is installed.
inline const char *NoPrinterMessage = "Tiskárna není nainstalována";
bool PrinterInstalled();
