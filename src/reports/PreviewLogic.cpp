#include "PreviewLogic.h"

#include "Error.h"
#include "PageRenderer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

QString PreviewCaption(const QString &title)
{
    return title.isEmpty() ? QStringLiteral("Náhled") : QStringLiteral("Náhled - ") + title;
}

QList<TextHit> FindText(const PreparedDocument &document, const QString &text)
{
    QList<TextHit> hits;
    if (text.isEmpty())
        return hits;
    for (int p = 0; p < document.pageCount(); ++p) {
        QList<TextHit> pageHits;
        const QList<PreparedItem> &items = document.pages.at(p).items;
        for (int i = 0; i < items.size(); ++i)
            if (items.at(i).kind == BoxKind::Text && items.at(i).text.contains(text, Qt::CaseInsensitive))
                pageHits << TextHit{p, i, items.at(i).rect};
        std::stable_sort(pageHits.begin(), pageHits.end(), [](const TextHit &a, const TextHit &b) {
            if (qAbs(a.rect.top() - b.rect.top()) > 0.5)
                return a.rect.top() < b.rect.top();
            return a.rect.left() < b.rect.left();
        });
        hits += pageHits;
    }
    return hits;
}

QList<ZoomStep> ZoomSteps()
{
    return {{QStringLiteral("Celá stránka"), 0},   {QStringLiteral("Šířka stránky"), -1},
            {QStringLiteral("50 %"), 0.5},         {QStringLiteral("75 %"), 0.75},
            {QStringLiteral("100 %"), 1.0},        {QStringLiteral("150 %"), 1.5},
            {QStringLiteral("200 %"), 2.0}};
}

double ZoomFactor(const ZoomStep &step, const QSizeF &viewport, double dpi)
{
    if (step.factor > 0)
        return step.factor;
    const double scale = dpi / 96.0;
    const double byWidth = (viewport.width() - 24) / (A4Width * scale);
    if (step.factor < 0)
        return qMax(0.1, byWidth);
    const double byHeight = (viewport.height() - 24) / (A4Height * scale);
    return qMax(0.1, qMin(byWidth, byHeight));
}

bool PrinterInstalled()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void PrintDocument(QPrinter &printer, const PreparedDocument &document, int fromPage, int toPage)
{
    if (document.isEmpty())
        return;
    const int first = fromPage > 0 ? fromPage : 1;
    const int last = toPage > 0 ? qMin(toPage, document.pageCount()) : document.pageCount();
    // Positions are measured from the paper's corner, not from the printable area.
    printer.setFullPage(true);
    printer.setDocName(document.title.isEmpty() ? QStringLiteral("Sestava") : document.title);
    QPainter painter;
    if (!painter.begin(&printer))
        throw TrelvoError(QStringLiteral("Tisk na tiskárnu „%1“ nelze zahájit.").arg(printer.printerName()));
    for (int p = first; p <= last; ++p) {
        if (p > first)
            printer.newPage();
        painter.save();
        ScaleToLayoutUnits(painter);
        PaintPage(painter, document.pages.at(p - 1));
        painter.restore();
    }
    painter.end();
}
