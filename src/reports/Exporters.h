#pragma once

// Saving a prepared document: the engine's own format and the export formats
// offered by the preview. Every writer builds the whole file first and then
// replaces the target in one step, so a failed export never leaves half a file;
// every failure throws TrelvoError with a Czech message naming the file.

#include "PreparedDocument.h"

#include <QList>
#include <QString>
#include <QStringList>

enum class ExportFormat {
    Native,        // the engine's own document (*.trp)
    Pdf,           // *.pdf
    RtfAdvanced,   // rich text, advanced layout: positioned frames
    RtfSimple,     // rich text: rows of text, horizontal scale 1.3, vertical 1
    Bmp,           // page pictures
    Jpeg,
    Tiff,
    Xlsx,          // spreadsheet: the text of each box in its cell, no formatting
    HtmlTable,     // one table per page
    HtmlAdvanced,  // positioned boxes, scale 1, no navigation frame
};

struct ExportFilter
{
    ExportFormat format;
    QString description;  // as the save dialog lists it
    QString extension;    // without the dot
};

// In the order the save dialog offers them.
QList<ExportFilter> ExportFilters();
// "Popis (*.ext)" lines for a file dialog, and the format of such a line.
QStringList ExportFilterNames();
ExportFormat ExportFormatOfFilter(const QString &filterName);

// Writes the document. Picture formats write one file per page: the first page
// to `path`, page n to the same name with "_n" before the extension. Returns
// the files written.
QStringList ExportDocument(const PreparedDocument &document, ExportFormat format, const QString &path);

// The separate writers (used by the tests and the benchmark).
QByteArray DocumentToPdf(const PreparedDocument &document);
QByteArray DocumentToRtf(const PreparedDocument &document, bool simple);
QByteArray DocumentToHtmlTable(const PreparedDocument &document);
QByteArray DocumentToHtmlAdvanced(const PreparedDocument &document);
QByteArray DocumentToXlsx(const PreparedDocument &document);
QImage PageToImage(const PreparedPage &page, double dpi = 150);
