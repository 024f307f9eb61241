#include "PageRenderer.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

namespace {

QImage &layoutImage()
{
    static QImage image = [] {
        QImage i(4, 4, QImage::Format_ARGB32);
        i.setDotsPerMeterX(3780);  // 96 dpi
        i.setDotsPerMeterY(3780);
        return i;
    }();
    return image;
}

// Layout text: a line break becomes a line separator and a carriage return a
// zero-width space, so character positions stay those of the stored text.
QString layoutText(const QString &text)
{
    QString s = text;
    for (QChar &c : s) {
        if (c == '\n')
            c = QChar::LineSeparator;
        else if (c == '\r')
            c = QChar(0x200B);
    }
    return s;
}

void paintMark(QPainter &painter, const QRectF &rect, bool checked)
{
    // A square box; a ticked one holds a cross. Drawn, since the symbol font
    // of the paper forms is not installed everywhere.
    const double side = qMin(rect.width(), rect.height()) * 0.8;
    const QRectF box(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, qMax(0.8, side / 14)));
    painter.drawRect(box);
    if (checked) {
        const QRectF inner = box.adjusted(side * 0.2, side * 0.2, -side * 0.2, -side * 0.2);
        painter.setPen(QPen(Qt::black, qMax(1.0, side / 8)));
        painter.drawLine(inner.topLeft(), inner.bottomRight());
        painter.drawLine(inner.topRight(), inner.bottomLeft());
    }
    painter.restore();
}

// Lays the text out at 96 dpi exactly as it was measured while preparing and
// lets the painter's scale carry it to the device.
void paintText(QPainter &painter, const PreparedItem &item)
{
    const QRectF inner = item.rect.adjusted(TextPadX, TextPadY, -TextPadX, -TextPadY);
    QTextLayout layout(layoutText(item.text), LayoutFont(item.font), LayoutDevice());
    QTextOption option;
    option.setWrapMode(item.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::ManualWrap);
    option.setAlignment(item.hAlign == HAlign::Left ? Qt::AlignLeft
                                                    : (item.hAlign == HAlign::Center ? Qt::AlignHCenter : Qt::AlignRight));
    layout.setTextOption(option);
    double height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(qMax(1.0, inner.width()));
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    double top = inner.top();
    if (item.vAlign == VAlign::Middle)
        top += (inner.height() - height) / 2;
    else if (item.vAlign == VAlign::Bottom)
        top += inner.height() - height;
    painter.setPen(Qt::black);
    layout.draw(&painter, QPointF(inner.left(), top));
}

} // namespace

QString ResolveFontFamily(const QString &family, bool *substituted)
{
    static QHash<QString, QPair<QString, bool>> cache;
    if (substituted)
        *substituted = false;
    const auto cached = cache.constFind(family);
    if (cached != cache.constEnd()) {
        if (substituted)
            *substituted = cached->second;
        return cached->first;
    }
    static const QHash<QString, QString> twins = {{"arial", "Liberation Sans"},
                                                  {"times new roman", "Liberation Serif"},
                                                  {"courier new", "Liberation Mono"},
                                                  {"helvetica", "Liberation Sans"}};
    const QStringList families = QFontDatabase::families();
    QPair<QString, bool> result;
    if (families.contains(family, Qt::CaseInsensitive)) {
        result = {family, false};
    } else if (twins.contains(family.toLower()) && families.contains(twins.value(family.toLower()))) {
        result = {twins.value(family.toLower()), false};
    } else {
        QFont font(family);
        result = {QFontInfo(font).family(), true};
    }
    cache.insert(family, result);
    if (substituted)
        *substituted = result.second;
    return result.first;
}

QPaintDevice *LayoutDevice()
{
    return &layoutImage();
}

QFont LayoutFont(const FontStyle &style)
{
    QFont font(ResolveFontFamily(style.family));
    font.setPointSizeF(style.size);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

QString DisplayText(const QString &text)
{
    QString s = text;
    s.remove('\r');
    return s;
}

double MeasureTextHeight(const QString &text, const FontStyle &style, double boxWidth, bool wordWrap)
{
    const QFont font = LayoutFont(style);
    const QFontMetricsF metrics(font, LayoutDevice());
    if (text.isEmpty())
        return metrics.height() + 2 * TextPadY;
    const double width = qMax(1.0, boxWidth - 2 * TextPadX);
    QTextLayout layout(layoutText(text), font, LayoutDevice());
    QTextOption option;
    option.setWrapMode(wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::ManualWrap);
    layout.setTextOption(option);
    double height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += line.height();
    }
    layout.endLayout();
    return height + 2 * TextPadY;
}

int FittingCharacters(const QString &text, const FontStyle &style, double width, double height, bool wordWrap)
{
    const QFont font = LayoutFont(style);
    QTextLayout layout(layoutText(text), font, LayoutDevice());
    QTextOption option;
    option.setWrapMode(wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::ManualWrap);
    layout.setTextOption(option);
    const double room = height - 2 * TextPadY;
    double used = 0;
    int fitted = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(qMax(1.0, width - 2 * TextPadX));
        if (used + line.height() > room + 0.01)
            break;
        used += line.height();
        fitted = line.textStart() + line.textLength();
    }
    layout.endLayout();
    return fitted;
}

void ScaleToLayoutUnits(QPainter &painter, double zoom)
{
    const double dpiX = painter.device()->logicalDpiX();
    const double dpiY = painter.device()->logicalDpiY();
    painter.scale(dpiX / 96.0 * zoom, dpiY / 96.0 * zoom);
}

void PaintPage(QPainter &painter, const PreparedPage &page, const QList<QRectF> &highlights)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QPen thin(Qt::black, 1.0);
    for (const PreparedItem &item : page.items) {
        switch (item.kind) {
        case BoxKind::Text:
            if (!item.text.isEmpty())
                paintText(painter, item);
            break;
        case BoxKind::Line:
            painter.setPen(thin);
            painter.drawLine(item.rect.topLeft(), item.rect.topLeft() + QPointF(item.rect.width(), item.rect.height()));
            break;
        case BoxKind::Shape:
            painter.setPen(thin);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(item.rect);
            break;
        case BoxKind::Picture:
            if (!item.picture.isNull())
                painter.drawImage(item.rect, item.picture);
            break;
        case BoxKind::Mark:
            paintMark(painter, item.rect, item.checked);
            break;
        }
        if (item.borders && item.kind != BoxKind::Line) {
            painter.setPen(thin);
            const QRectF r = item.rect;
            if (item.borders & BorderLeft)
                painter.drawLine(r.topLeft(), r.bottomLeft());
            if (item.borders & BorderTop)
                painter.drawLine(r.topLeft(), r.topRight());
            if (item.borders & BorderRight)
                painter.drawLine(r.topRight(), r.bottomRight());
            if (item.borders & BorderBottom)
                painter.drawLine(r.bottomLeft(), r.bottomRight());
        }
    }
    for (const QRectF &rect : highlights)
        painter.fillRect(rect, QColor(255, 220, 0, 110));
    painter.restore();
}
