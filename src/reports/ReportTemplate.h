#pragma once

// The template model of the report engine: A4 portrait pages laid out in units
// of 1/96 inch, each holding bands (sections) with boxes. Templates are JSON
// files compiled in as Qt resources (":/reports/<name>.json"); loading one
// checks every element and names the file and the element that is wrong.

#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QString>

// Page size of A4 in layout units (1/96 inch).
inline constexpr double A4Width = 210.0 / 25.4 * 96.0;
inline constexpr double A4Height = 297.0 / 25.4 * 96.0;

// Band kinds in the engine's printing order.
enum class BandKind {
    ReportTitle,
    PageHeader,
    MasterHeader,
    MasterData,
    DetailData,
    SubdetailData,
    Child,
    MasterFooter,
    PageFooter,
};

enum class BoxKind { Text, Line, Shape, Picture, Mark };

enum Border : unsigned { BorderLeft = 1, BorderTop = 2, BorderRight = 4, BorderBottom = 8 };

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Middle, Bottom };

struct FontStyle
{
    QString family = QStringLiteral("Arial");
    double size = 10;  // points
    bool bold = false;
    bool italic = false;

    bool operator==(const FontStyle &other) const = default;
};

struct TemplateBox
{
    BoxKind kind = BoxKind::Text;
    QString name;          // optional; lets the program and tests find the box
    QRectF rect;           // within the band
    unsigned borders = 0;  // Border bits
    FontStyle font;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool wordWrap = true;
    bool grows = false;    // grows downward with its text
    bool stretch = false;  // its bottom follows the band's bottom when the band grows
    // Text with value expressions in square brackets; for a mark, the condition
    // under which it is ticked.
    QString text;
    // What a blank form shows instead (a text with no values); empty = the
    // text with every expression left out.
    QString blankText;
    bool hasBlankText = false;
    double blankHeight = 0;  // a taller box for handwriting on the blank form
};

struct TemplateBand
{
    BandKind kind = BandKind::MasterData;
    QString name;
    double height = 0;
    // The data source: a name the program registers, or a number (fixed count).
    // Empty on a data band: the template's default source.
    QString dataSource;
    QList<TemplateBox> boxes;
};

struct TemplatePage
{
    QMarginsF margins{36, 36, 36, 36};
    QList<TemplateBand> bands;  // sorted into the engine's band order on load
};

struct ReportTemplate
{
    QString name;
    QString title;  // shown in the preview's caption when set
    QString defaultSource;
    QList<TemplatePage> pages;
};

// Parses a template. `fileName` names the file in error messages. Throws
// TrelvoError naming the file and the element that is wrong.
ReportTemplate ParseTemplate(const QByteArray &json, const QString &fileName);
// Loads ":/reports/<name>.json" (or any path given with a ':' or '/').
ReportTemplate LoadTemplate(const QString &nameOrPath);

int BandOrder(BandKind kind);
