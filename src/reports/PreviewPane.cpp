#include "PreviewPane.h"

#include "Error.h"
#include "MessageBoxes.h"
#include "PageRenderer.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

// Paints the current page at the current zoom.
class TPreviewPage : public QWidget
{
public:
    explicit TPreviewPage(TPreviewPane *pane) : QWidget(pane), m_pane(pane) {}

    QSize sizeFor(double zoom) const
    {
        const double scale = logicalDpiX() / 96.0 * zoom;
        return QSize(int(A4Width * scale) + 24, int(A4Height * scale) + 24);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        const PreparedDocument &document = m_pane->document();
        if (document.isEmpty())
            return;
        const PreparedPage &page = document.pages.at(m_pane->currentPage());
        const double scale = logicalDpiX() / 96.0 * m_pane->zoom();
        const QSize pageSize(int(page.size.width() * scale), int(page.size.height() * scale));
        const QPoint origin((width() - pageSize.width()) / 2, 12);
        painter.fillRect(QRect(origin + QPoint(3, 3), pageSize), QColor(0, 0, 0, 90));
        painter.fillRect(QRect(origin, pageSize), Qt::white);
        painter.translate(origin);
        ScaleToLayoutUnits(painter, m_pane->zoom());
        QList<QRectF> highlights;
        for (const TextHit &hit : m_pane->highlighted())
            highlights << hit.rect;
        PaintPage(painter, page, highlights);
    }

private:
    TPreviewPane *m_pane;
};

TPreviewPane::TPreviewPane(QWidget *parent, bool inWindow)
    : QWidget(parent), m_pageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF())
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout->addWidget(m_toolBar);

    m_toolBar->addAction(QStringLiteral("Otevřít"), this, &TPreviewPane::open)->setToolTip(
        QStringLiteral("Otevřít uloženou sestavu"));
    m_toolBar->addAction(QStringLiteral("Uložit"), this, &TPreviewPane::save)->setToolTip(
        QStringLiteral("Uložit nebo exportovat sestavu"));
    m_toolBar->addAction(QStringLiteral("Tisk"), this, &TPreviewPane::print)->setToolTip(
        QStringLiteral("Vytisknout sestavu"));
    m_pageSetupAction = m_toolBar->addAction(QStringLiteral("Vzhled stránky"), this, &TPreviewPane::pageSetup);
    m_pageSetupAction->setVisible(false);
    m_toolBar->addSeparator();
    m_firstAction = m_toolBar->addAction(QStringLiteral("|<"), this, [this] { showPage(0); });
    m_firstAction->setToolTip(QStringLiteral("První strana"));
    m_priorAction = m_toolBar->addAction(QStringLiteral("<"), this, [this] { showPage(m_page - 1); });
    m_priorAction->setToolTip(QStringLiteral("Předchozí strana"));
    m_priorAction->setShortcut(QKeySequence::MoveToPreviousPage);
    m_pageLabel = new QLabel(this);
    m_pageLabel->setContentsMargins(6, 0, 6, 0);
    m_toolBar->addWidget(m_pageLabel);
    m_nextAction = m_toolBar->addAction(QStringLiteral(">"), this, [this] { showPage(m_page + 1); });
    m_nextAction->setToolTip(QStringLiteral("Další strana"));
    m_nextAction->setShortcut(QKeySequence::MoveToNextPage);
    m_lastAction = m_toolBar->addAction(QStringLiteral(">|"), this, [this] { showPage(m_document.pageCount() - 1); });
    m_lastAction->setToolTip(QStringLiteral("Poslední strana"));
    m_toolBar->addSeparator();
    m_zoomBox = new QComboBox(this);
    for (const ZoomStep &step : ZoomSteps())
        m_zoomBox->addItem(step.caption);
    m_zoomBox->setToolTip(QStringLiteral("Zvětšení"));
    m_toolBar->addWidget(m_zoomBox);
    connect(m_zoomBox, &QComboBox::activated, this, &TPreviewPane::setZoomStep);
    m_toolBar->addSeparator();
    m_searchEdit = new QLineEdit(this);
    m_searchEdit->setPlaceholderText(QStringLiteral("Hledat text"));
    m_searchEdit->setMaximumWidth(180);
    m_toolBar->addWidget(m_searchEdit);
    auto find = [this] { findNext(m_searchEdit->text()); };
    connect(m_searchEdit, &QLineEdit::returnPressed, this, find);
    m_toolBar->addAction(QStringLiteral("Najít"), this, find);
    if (inWindow) {
        m_toolBar->addSeparator();
        m_toolBar->addAction(QStringLiteral("Zavřít"), this, &TPreviewPane::closeRequested);
    }

    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setVisible(false);
    m_status->setStyleSheet(QStringLiteral("QLabel { background: #fff4c2; padding: 3px; }"));
    layout->addWidget(m_status);

    m_scroll = new QScrollArea(this);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_view = new TPreviewPage(this);
    m_scroll->setWidget(m_view);
    m_scroll->viewport()->installEventFilter(this);
    layout->addWidget(m_scroll, 1);
    setZoomStep(inWindow ? 1 : 0);
}

void TPreviewPane::setDocument(const PreparedDocument &document)
{
    m_document = document;
    m_page = 0;
    m_hits.clear();
    m_hit = -1;
    m_status->setText(document.warnings.join('\n'));
    m_status->setVisible(!document.warnings.isEmpty());
    applyZoom();
    updateState();
}

void TPreviewPane::setPageSetupAllowed(bool allowed)
{
    m_pageSetupAction->setVisible(allowed);
}

void TPreviewPane::showPage(int page)
{
    if (m_document.isEmpty())
        return;
    m_page = qBound(0, page, m_document.pageCount() - 1);
    m_scroll->verticalScrollBar()->setValue(0);
    updateState();
}

void TPreviewPane::setZoomStep(int index)
{
    const QList<ZoomStep> steps = ZoomSteps();
    m_zoomStep = qBound(0, index, int(steps.size()) - 1);
    m_zoomBox->setCurrentIndex(m_zoomStep);
    applyZoom();
}

void TPreviewPane::applyZoom()
{
    const ZoomStep step = ZoomSteps().at(m_zoomStep);
    m_zoom = ZoomFactor(step, m_scroll->viewport()->size(), logicalDpiX());
    m_view->resize(m_view->sizeFor(m_zoom));
    m_view->update();
}

bool TPreviewPane::eventFilter(QObject *watched, QEvent *event)
{
    // The fitting zoom steps follow the size of the visible area.
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize && ZoomSteps().at(m_zoomStep).factor <= 0)
        applyZoom();
    return QWidget::eventFilter(watched, event);
}

void TPreviewPane::updateState()
{
    const int count = m_document.pageCount();
    m_pageLabel->setText(count ? QStringLiteral("Strana %1 z %2").arg(m_page + 1).arg(count) : QString());
    m_firstAction->setEnabled(m_page > 0);
    m_priorAction->setEnabled(m_page > 0);
    m_nextAction->setEnabled(m_page + 1 < count);
    m_lastAction->setEnabled(m_page + 1 < count);
    m_view->update();
}

QList<TextHit> TPreviewPane::highlighted() const
{
    QList<TextHit> onPage;
    for (const TextHit &hit : m_hits)
        if (hit.page == m_page)
            onPage << hit;
    return onPage;
}

bool TPreviewPane::findNext(const QString &text)
{
    if (text.isEmpty())
        return false;
    if (text != m_searchText) {
        m_searchText = text;
        m_hits = FindText(m_document, text);
        m_hit = -1;
    }
    if (m_hits.isEmpty()) {
        updateState();
        Notice(this, QStringLiteral("Text „%1“ nebyl nalezen.").arg(text));
        return false;
    }
    m_hit = (m_hit + 1) % int(m_hits.size());
    showPage(m_hits.at(m_hit).page);
    const double scale = logicalDpiX() / 96.0 * m_zoom;
    m_scroll->ensureVisible(int(m_hits.at(m_hit).rect.center().x() * scale),
                            int(m_hits.at(m_hit).rect.center().y() * scale) + 12, 50, 80);
    return true;
}

bool TPreviewPane::saveAs(const QString &path, ExportFormat format)
{
    try {
        ExportDocument(m_document, format, path);
        return true;
    } catch (const TrelvoError &error) {
        ShowError(this, error.message());
        return false;
    }
}

bool TPreviewPane::openFile(const QString &path)
{
    try {
        setDocument(PreparedDocument::load(path));
        return true;
    } catch (const TrelvoError &error) {
        ShowError(this, error.message());
        return false;
    }
}

void TPreviewPane::save()
{
    QString filter = ExportFilterNames().value(1);
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Uložit sestavu"), QString(),
                                                ExportFilterNames().join(QStringLiteral(";;")), &filter);
    if (path.isEmpty())
        return;
    const ExportFormat format = ExportFormatOfFilter(filter);
    for (const ExportFilter &known : ExportFilters())
        if (known.format == format && QFileInfo(path).suffix().isEmpty())
            path += '.' + known.extension;
    saveAs(path, format);
}

void TPreviewPane::open()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Otevřít sestavu"), QString(),
        QStringLiteral("Dokument sestavy (*.%1)").arg(QLatin1String(PreparedDocumentExtension)));
    if (!path.isEmpty())
        openFile(path);
}

void TPreviewPane::print()
{
    if (!PrinterInstalled()) {
        Notice(this, QString::fromUtf8(NoPrinterMessage));
        return;
    }
    try {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(m_pageLayout);
        printer.setFromTo(1, m_document.pageCount());
        QPrintDialog dialog(&printer, this);
        dialog.setMinMax(1, m_document.pageCount());
        if (dialog.exec() != QDialog::Accepted)
            return;
        const bool range = printer.printRange() == QPrinter::PageRange;
        PrintDocument(printer, m_document, range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
    } catch (const TrelvoError &error) {
        ShowError(this, error.message());
    }
}

void TPreviewPane::pageSetup()
{
    if (!PrinterInstalled()) {
        Notice(this, QString::fromUtf8(NoPrinterMessage));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_pageLayout);
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        m_pageLayout = printer.pageLayout();
}
