#pragma once

// A prepared document: every page of a printout laid out in memory, ready to be
// shown, printed, saved or exported. Positions are in 1/96 inch from the
// page's top-left corner.

#include "ReportTemplate.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

struct PreparedItem
{
    BoxKind kind = BoxKind::Text;
    QString name;  // the template box it came from
    QRectF rect;
    unsigned borders = 0;
    FontStyle font;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool wordWrap = true;
    QString text;          // text boxes: the printed text
    bool checked = false;  // marks
    QImage picture;        // pictures

    bool operator==(const PreparedItem &other) const = default;
};

struct PreparedPage
{
    QSizeF size{A4Width, A4Height};
    QList<PreparedItem> items;

    bool operator==(const PreparedPage &other) const = default;
};

class PreparedDocument
{
public:
    QString title;
    QList<PreparedPage> pages;
    // Things the user should know about the printout (a missing font).
    QStringList warnings;

    int pageCount() const { return int(pages.size()); }
    bool isEmpty() const { return pages.isEmpty(); }

    // The items of every page named `name`, in page order.
    QList<PreparedItem> itemsNamed(const QString &name) const;
    // The texts of the items named `name`, joined (a text that flowed onto
    // further pages comes back whole).
    QString textOf(const QString &name) const;
    // All texts of a page, in reading order (top to bottom, left to right).
    QStringList pageTexts(int page) const;

    // The engine's own file format (versioned). Throw TrelvoError with a Czech
    // message naming the file.
    void save(const QString &path) const;
    static PreparedDocument load(const QString &path);
    QByteArray toBytes() const;
    static PreparedDocument fromBytes(const QByteArray &bytes, const QString &fileName);

    bool operator==(const PreparedDocument &other) const = default;
};

// File name filter and extension of the engine's own document format.
inline const char *PreparedDocumentExtension = "trp";
