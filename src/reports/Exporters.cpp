#include "Exporters.h"

#include "Error.h"
#include "PageRenderer.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QMap>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TrelvoError(QStringLiteral("Soubor „%1“ nelze zapsat: %2.").arg(path, file.errorString()));
}

// The text boxes of a page grouped into rows: boxes whose tops lie within a
// few units form one row, each row sorted left to right.
QList<QList<const PreparedItem *>> rowsOf(const PreparedPage &page, bool withMarks)
{
    QList<const PreparedItem *> items;
    for (const PreparedItem &item : page.items)
        if ((item.kind == BoxKind::Text && !item.text.isEmpty()) || (withMarks && item.kind == BoxKind::Mark))
            items << &item;
    std::stable_sort(items.begin(), items.end(), [](const PreparedItem *a, const PreparedItem *b) {
        return a->rect.top() < b->rect.top();
    });
    QList<QList<const PreparedItem *>> rows;
    double rowTop = -1e9;
    for (const PreparedItem *item : items) {
        if (rows.isEmpty() || item->rect.top() - rowTop > 3) {
            rows.append(QList<const PreparedItem *>());
            rowTop = item->rect.top();
        }
        rows.last() << item;
    }
    for (auto &row : rows)
        std::stable_sort(row.begin(), row.end(), [](const PreparedItem *a, const PreparedItem *b) {
            return a->rect.left() < b->rect.left();
        });
    return rows;
}

QString markText(const PreparedItem &item)
{
    return item.checked ? QStringLiteral("☒") : QStringLiteral("☐");
}

QString itemText(const PreparedItem &item)
{
    return item.kind == BoxKind::Mark ? markText(item) : DisplayText(item.text);
}

// ---- rich text ----

QByteArray rtfText(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\n') {
            out += "\\line ";
        } else if (u == '\r') {
            continue;
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u < 0x80) {
            out += char(u);
        } else {
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return out;
}

int twips(double units)
{
    return int(std::lround(units * 15.0));  // 1/96 inch = 15 twips
}

QByteArray rtfFont(const FontStyle &font)
{
    QByteArray out = "\\f0\\fs" + QByteArray::number(int(std::lround(font.size * 2)));
    out += font.bold ? "\\b" : "\\b0";
    out += font.italic ? "\\i" : "\\i0";
    return out + ' ';
}

QByteArray rtfHeader()
{
    return "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1"
           "{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}"
           "\\paperw11906\\paperh16838\\margl0\\margr0\\margt0\\margb0\n";
}

QByteArray rtfAdvanced(const PreparedDocument &document)
{
    QByteArray out = rtfHeader();
    for (int p = 0; p < document.pageCount(); ++p) {
        if (p > 0)
            out += "\\page\n";
        for (const PreparedItem &item : document.pages.at(p).items) {
            const bool line = item.kind == BoxKind::Line;
            if (item.kind == BoxKind::Picture)
                continue;
            QByteArray frame = "{\\pard\\pvpg\\phpg\\posx" + QByteArray::number(twips(item.rect.left())) + "\\posy"
                               + QByteArray::number(twips(item.rect.top())) + "\\absw"
                               + QByteArray::number(twips(qMax(1.0, item.rect.width()))) + "\\absh-"
                               + QByteArray::number(twips(qMax(1.0, line ? 1.0 : item.rect.height())));
            unsigned borders = item.borders;
            if (line || item.kind == BoxKind::Shape)
                borders = line ? BorderTop : (BorderLeft | BorderTop | BorderRight | BorderBottom);
            if (borders & BorderTop) frame += "\\brdrt\\brdrs\\brdrw10";
            if (borders & BorderLeft) frame += "\\brdrl\\brdrs\\brdrw10";
            if (borders & BorderBottom) frame += "\\brdrb\\brdrs\\brdrw10";
            if (borders & BorderRight) frame += "\\brdrr\\brdrs\\brdrw10";
            frame += item.hAlign == HAlign::Center ? "\\qc" : (item.hAlign == HAlign::Right ? "\\qr" : "\\ql");
            frame += rtfFont(item.font);
            if (item.kind == BoxKind::Text)
                frame += rtfText(item.text);
            else if (item.kind == BoxKind::Mark)
                frame += rtfText(markText(item));
            out += frame + "\\par}\n";
        }
    }
    return out + "}\n";
}

QByteArray rtfSimple(const PreparedDocument &document)
{
    // Rows of text; a box's left edge becomes a tab stop stretched by 1.3, the
    // vertical gaps stay as they are.
    constexpr double HorizontalScale = 1.3;
    constexpr double VerticalScale = 1.0;
    QByteArray out = rtfHeader();
    out += "\\margl567\\margr567\\margt567\\margb567\n";
    for (int p = 0; p < document.pageCount(); ++p) {
        if (p > 0)
            out += "\\page\n";
        double previousBottom = 0;
        for (const auto &row : rowsOf(document.pages.at(p), true)) {
            const double top = row.first()->rect.top();
            const int spaceBefore = twips(qMax(0.0, (top - previousBottom) * VerticalScale));
            QByteArray paragraph = "{\\pard\\sb" + QByteArray::number(qMin(spaceBefore, 1440));
            QByteArray body;
            for (int i = 0; i < row.size(); ++i) {
                const int stop = twips(row.at(i)->rect.left() * HorizontalScale);
                if (i > 0) {
                    paragraph += "\\tx" + QByteArray::number(stop);
                    body += "\\tab ";
                } else {
                    paragraph += "\\li" + QByteArray::number(stop);
                }
                body += rtfFont(row.at(i)->font) + rtfText(itemText(*row.at(i)));
            }
            out += paragraph + ' ' + body + "\\par}\n";
            double bottom = 0;
            for (const PreparedItem *item : row)
                bottom = qMax(bottom, item->rect.top() + 14);
            previousBottom = bottom;
        }
    }
    return out + "}\n";
}

// ---- HTML ----

QString html(const QString &text)
{
    return DisplayText(text).toHtmlEscaped();
}

QByteArray htmlHead(const QString &title, const QString &style)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"cs\">\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
                          "<style>\n%2</style>\n</head>\n<body>\n")
        .arg(html(title.isEmpty() ? QStringLiteral("Sestava") : title), style)
        .toUtf8();
}

} // namespace

QList<ExportFilter> ExportFilters()
{
    return {
        {ExportFormat::Native, QStringLiteral("Dokument sestavy"), QStringLiteral("trp")},
        {ExportFormat::Pdf, QStringLiteral("Dokument PDF"), QStringLiteral("pdf")},
        {ExportFormat::RtfAdvanced, QStringLiteral("RTF, rozšířené rozvržení"), QStringLiteral("rtf")},
        {ExportFormat::RtfSimple, QStringLiteral("RTF"), QStringLiteral("rtf")},
        {ExportFormat::Bmp, QStringLiteral("Obrázek BMP"), QStringLiteral("bmp")},
        {ExportFormat::Jpeg, QStringLiteral("Obrázek JPEG"), QStringLiteral("jpg")},
        {ExportFormat::Tiff, QStringLiteral("Obrázek TIFF"), QStringLiteral("tif")},
        {ExportFormat::Xlsx, QStringLiteral("Sešit Excel"), QStringLiteral("xlsx")},
        {ExportFormat::HtmlTable, QStringLiteral("HTML tabulka"), QStringLiteral("htm")},
        {ExportFormat::HtmlAdvanced, QStringLiteral("HTML, rozšířené rozvržení"), QStringLiteral("html")},
    };
}

QStringList ExportFilterNames()
{
    QStringList names;
    for (const ExportFilter &filter : ExportFilters())
        names << QStringLiteral("%1 (*.%2)").arg(filter.description, filter.extension);
    return names;
}

ExportFormat ExportFormatOfFilter(const QString &filterName)
{
    const QList<ExportFilter> filters = ExportFilters();
    const QStringList names = ExportFilterNames();
    const int index = int(names.indexOf(filterName));
    return index >= 0 ? filters.at(index).format : ExportFormat::Pdf;
}

QByteArray DocumentToPdf(const PreparedDocument &document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Trelvo"));
        writer.setTitle(document.title);
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer))
            throw TrelvoError(QStringLiteral("Dokument PDF nelze vytvořit."));
        for (int p = 0; p < document.pageCount(); ++p) {
            if (p > 0)
                writer.newPage();
            painter.save();
            ScaleToLayoutUnits(painter);
            PaintPage(painter, document.pages.at(p));
            painter.restore();
        }
        painter.end();
    }
    return bytes;
}

QByteArray DocumentToRtf(const PreparedDocument &document, bool simple)
{
    return simple ? rtfSimple(document) : rtfAdvanced(document);
}

QByteArray DocumentToHtmlTable(const PreparedDocument &document)
{
    QByteArray out = htmlHead(document.title,
                              QStringLiteral("table { border-collapse: collapse; margin-bottom: 2em; "
                                             "font-family: Arial, 'Liberation Sans', sans-serif; }\n"
                                             "td { border: 1px solid #999; padding: 2px 4px; vertical-align: top; "
                                             "white-space: pre-wrap; }\n"));
    for (int p = 0; p < document.pageCount(); ++p) {
        out += QStringLiteral("<table class=\"page\" id=\"page%1\">\n").arg(p + 1).toUtf8();
        for (const auto &row : rowsOf(document.pages.at(p), true)) {
            out += "<tr>";
            for (const PreparedItem *item : row) {
                QString cell = html(itemText(*item));
                if (item->font.bold)
                    cell = "<b>" + cell + "</b>";
                out += ("<td>" + cell + "</td>").toUtf8();
            }
            out += "</tr>\n";
        }
        out += "</table>\n";
    }
    return out + "</body>\n</html>\n";
}

QByteArray DocumentToHtmlAdvanced(const PreparedDocument &document)
{
    QByteArray out = htmlHead(
        document.title,
        QStringLiteral(".page { position: relative; width: %1px; height: %2px; margin: 0 auto 16px auto; "
                       "background: white; box-shadow: 0 0 4px #888; overflow: hidden; }\n"
                       ".page div { position: absolute; box-sizing: border-box; white-space: pre-wrap; "
                       "overflow-wrap: anywhere; font-family: Arial, 'Liberation Sans', sans-serif; "
                       "padding: %3px %4px; line-height: 1.15; }\n"
                       "body { background: #ddd; }\n")
            .arg(int(std::lround(A4Width)))
            .arg(int(std::lround(A4Height)))
            .arg(TextPadY)
            .arg(TextPadX));
    for (int p = 0; p < document.pageCount(); ++p) {
        out += QStringLiteral("<div class=\"page\" id=\"page%1\">\n").arg(p + 1).toUtf8();
        for (const PreparedItem &item : document.pages.at(p).items) {
            const QRectF r = item.rect;
            QString style = QStringLiteral("left:%1px;top:%2px;width:%3px;height:%4px;")
                                .arg(r.left(), 0, 'f', 1)
                                .arg(r.top(), 0, 'f', 1)
                                .arg(qMax(1.0, r.width()), 0, 'f', 1)
                                .arg(item.kind == BoxKind::Line ? 0.0 : r.height(), 0, 'f', 1);
            unsigned borders = item.borders;
            if (item.kind == BoxKind::Line)
                borders = BorderTop;
            if (item.kind == BoxKind::Shape)
                borders = BorderLeft | BorderTop | BorderRight | BorderBottom;
            if (borders & BorderLeft) style += "border-left:1px solid black;";
            if (borders & BorderTop) style += "border-top:1px solid black;";
            if (borders & BorderRight) style += "border-right:1px solid black;";
            if (borders & BorderBottom) style += "border-bottom:1px solid black;";
            QString content;
            if (item.kind == BoxKind::Text) {
                style += QStringLiteral("font-size:%1pt;").arg(item.font.size);
                if (item.font.bold) style += "font-weight:bold;";
                if (item.font.italic) style += "font-style:italic;";
                if (item.hAlign != HAlign::Left)
                    style += item.hAlign == HAlign::Center ? "text-align:center;" : "text-align:right;";
                if (item.vAlign != VAlign::Top)
                    style += QStringLiteral("display:flex;flex-direction:column;justify-content:%1;")
                                 .arg(item.vAlign == VAlign::Middle ? "center" : "flex-end");
                content = html(item.text);
                if (item.vAlign != VAlign::Top)
                    content = "<span>" + content + "</span>";
            } else if (item.kind == BoxKind::Mark) {
                style += QStringLiteral("font-size:%1pt;text-align:center;padding:0;").arg(item.font.size);
                content = markText(item);
            } else if (item.kind == BoxKind::Picture && !item.picture.isNull()) {
                QByteArray png;
                QBuffer buffer(&png);
                buffer.open(QIODevice::WriteOnly);
                item.picture.save(&buffer, "PNG");
                content = QStringLiteral("<img alt=\"\" style=\"width:100%;height:100%\" src=\"data:image/png;base64,%1\">")
                              .arg(QString::fromLatin1(png.toBase64()));
            }
            out += QStringLiteral("<div style=\"%1\">%2</div>\n").arg(style, content).toUtf8();
        }
        out += "</div>\n";
    }
    return out + "</body>\n</html>\n";
}

QImage PageToImage(const PreparedPage &page, double dpi)
{
    const double scale = dpi / 96.0;
    QImage image(QSize(int(std::ceil(page.size.width() * scale)), int(std::ceil(page.size.height() * scale))),
                 QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    ScaleToLayoutUnits(painter);
    PaintPage(painter, page);
    painter.end();
    return image;
}

QByteArray DocumentToXlsx(const PreparedDocument &document)
{
    // Columns are the distinct left edges of the boxes over the whole document,
    // rows the distinct tops, page after page with an empty row between pages.
    constexpr double Snap = 4.0;
    auto snapped = [](double v) { return int(std::lround(v / Snap)); };
    QMap<int, int> columnOf;
    for (const PreparedPage &page : document.pages)
        for (const PreparedItem &item : page.items)
            if (item.kind == BoxKind::Text || item.kind == BoxKind::Mark)
                columnOf.insert(snapped(item.rect.left()), 0);
    int index = 0;
    for (auto it = columnOf.begin(); it != columnOf.end(); ++it)
        it.value() = index++;

    QTemporaryDir folder;
    if (!folder.isValid())
        throw TrelvoError(QStringLiteral("Sešit nelze vytvořit: dočasnou složku nelze založit."));
    const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("sestava.xlsx")));
    lxw_workbook *workbook = workbook_new(path.constData());
    if (!workbook)
        throw TrelvoError(QStringLiteral("Sešit nelze vytvořit."));
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, "Sestava");
    lxw_error failure = LXW_NO_ERROR;
    int rowBase = 0;
    for (const PreparedPage &page : document.pages) {
        QMap<int, int> rowOf;
        for (const PreparedItem &item : page.items)
            if (item.kind == BoxKind::Text || item.kind == BoxKind::Mark)
                rowOf.insert(snapped(item.rect.top()), 0);
        int r = 0;
        for (auto it = rowOf.begin(); it != rowOf.end(); ++it)
            it.value() = r++;
        QMap<QPair<int, int>, QString> cells;
        for (const PreparedItem &item : page.items) {
            QString text;
            if (item.kind == BoxKind::Text)
                text = DisplayText(item.text);
            else if (item.kind == BoxKind::Mark)
                text = item.checked ? QStringLiteral("X") : QString();
            else
                continue;
            if (text.isEmpty())
                continue;
            const QPair<int, int> cell(rowBase + rowOf.value(snapped(item.rect.top())),
                                       columnOf.value(snapped(item.rect.left())));
            QString &value = cells[cell];
            value = value.isEmpty() ? text : value + ' ' + text;
        }
        for (auto it = cells.cbegin(); it != cells.cend() && failure == LXW_NO_ERROR; ++it)
            failure = worksheet_write_string(sheet, lxw_row_t(it.key().first), lxw_col_t(it.key().second),
                                             it.value().toUtf8().constData(), nullptr);
        rowBase += r + 1;
    }
    const lxw_error closed = workbook_close(workbook);
    if (failure != LXW_NO_ERROR || closed != LXW_NO_ERROR)
        throw TrelvoError(QStringLiteral("Sešit nelze vytvořit: %1.")
                              .arg(QString::fromUtf8(lxw_strerror(failure != LXW_NO_ERROR ? failure : closed))));
    QFile file(folder.filePath(QStringLiteral("sestava.xlsx")));
    if (!file.open(QIODevice::ReadOnly))
        throw TrelvoError(QStringLiteral("Sešit nelze vytvořit: %1.").arg(file.errorString()));
    return file.readAll();
}

QStringList ExportDocument(const PreparedDocument &document, ExportFormat format, const QString &path)
{
    switch (format) {
    case ExportFormat::Native:
        document.save(path);
        return {path};
    case ExportFormat::Pdf:
        writeFile(path, DocumentToPdf(document));
        return {path};
    case ExportFormat::RtfAdvanced:
    case ExportFormat::RtfSimple:
        writeFile(path, DocumentToRtf(document, format == ExportFormat::RtfSimple));
        return {path};
    case ExportFormat::Xlsx:
        writeFile(path, DocumentToXlsx(document));
        return {path};
    case ExportFormat::HtmlTable:
        writeFile(path, DocumentToHtmlTable(document));
        return {path};
    case ExportFormat::HtmlAdvanced:
        writeFile(path, DocumentToHtmlAdvanced(document));
        return {path};
    case ExportFormat::Bmp:
    case ExportFormat::Jpeg:
    case ExportFormat::Tiff: {
        const char *imageFormat = format == ExportFormat::Bmp ? "BMP" : (format == ExportFormat::Jpeg ? "JPEG" : "TIFF");
        if (!QImageWriter::supportedImageFormats().contains(QByteArray(imageFormat).toLower()))
            throw TrelvoError(QStringLiteral("Obrázky ve formátu %1 tento počítač neumí zapsat.")
                                  .arg(QLatin1String(imageFormat)));
        const QFileInfo info(path);
        QStringList written;
        for (int p = 0; p < document.pageCount(); ++p) {
            const QString file = p == 0 ? path
                                        : info.dir().filePath(QStringLiteral("%1_%2.%3")
                                                                  .arg(info.completeBaseName())
                                                                  .arg(p + 1)
                                                                  .arg(info.suffix()));
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            if (!PageToImage(document.pages.at(p)).save(&buffer, imageFormat, format == ExportFormat::Jpeg ? 90 : -1))
                throw TrelvoError(QStringLiteral("Obrázek strany %1 nelze vytvořit.").arg(p + 1));
            writeFile(file, bytes);
            written << file;
        }
        return written;
    }
    }
    return {};
}
