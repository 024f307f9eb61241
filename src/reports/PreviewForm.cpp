#include "PreviewForm.h"

#include "Error.h"
#include "MessageBoxes.h"
#include "UrazData.h"

#include <QAction>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QScreen>
#include <QVBoxLayout>

TPreviewForm::TPreviewForm(const PreparedDocument &document, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(PreviewCaption(document.title));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pane = new TPreviewPane(this, true);
    layout->addWidget(m_pane);
    connect(m_pane, &TPreviewPane::closeRequested, this, &QDialog::close);
    QSize size(960, 1000);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 0.9);
    resize(size);
    m_pane->setDocument(document);
}

std::optional<PreparedDocument> PrepareWithProgress(ReportEngine &engine, QWidget *parent)
{
    QProgressDialog progress(QStringLiteral("Příprava sestavy..."), QStringLiteral("Storno"), 0, 0, parent);
    progress.setWindowTitle(ApplicationTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    auto previous = engine.progress;
    engine.progress = [&](int pages) {
        progress.setLabelText(QStringLiteral("Příprava sestavy: strana %1").arg(pages));
        progress.setValue(0);  // keeps the window painted and lets "Storno" be pressed
        return !progress.wasCanceled() && (!previous || previous(pages));
    };
    std::optional<PreparedDocument> document;
    try {
        document = engine.prepare();
    } catch (...) {
        engine.progress = previous;
        throw;
    }
    engine.progress = previous;
    return document;
}

TPreviewForm *ShowPreview(const PreparedDocument &document, bool modal, QWidget *parent, bool pageSetupAllowed)
{
    auto *form = new TPreviewForm(document, parent);
    form->pane()->setPageSetupAllowed(pageSetupAllowed);
    if (modal) {
        form->exec();
        delete form;
        return nullptr;
    }
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setModal(false);
    form->show();
    return form;
}

void PreviewBlankForm(InjuryDocument document, QWidget *parent)
{
    try {
        ShowPreview(PrepareBlankForm(document), PreviewIsModal(document, true), parent,
                    document == InjuryDocument::RegisteredRecord);
    } catch (const TrelvoError &error) {
        ShowError(parent, error.message());
    }
}

void ConnectBlankFormAction(QAction *action, InjuryDocument document, QWidget *parent)
{
    QObject::connect(action, &QAction::triggered, parent, [document, parent] { PreviewBlankForm(document, parent); });
}

void PreviewInjuryDocument(InjuryDocument document, int id, QWidget *parent)
{
    try {
        TUrazData *data = TUrazData::instance();
        if (!data)
            throw TrelvoError(QStringLiteral("Databáze firmy není otevřena."));
        const PreparedDocument prepared = PrepareStoredInjuryDocument(document, data->ZUserDataConnection, id);
        ShowPreview(prepared, PreviewIsModal(document, false), parent, document == InjuryDocument::RegisteredRecord);
    } catch (const TrelvoError &error) {
        ShowError(parent, error.message());
    }
}
