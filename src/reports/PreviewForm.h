#pragma once

// The preview window ("Náhled", or "Náhled - <title>") around a preview pane,
// and the calls that prepare and show the injury documents.

#include "InjuryDocuments.h"
#include "PreviewPane.h"
#include "ReportEngine.h"

#include <QDialog>

class QAction;

class TPreviewForm : public QDialog
{
    Q_OBJECT

public:
    explicit TPreviewForm(const PreparedDocument &document, QWidget *parent = nullptr);
    TPreviewPane *pane() const { return m_pane; }

private:
    TPreviewPane *m_pane;
};

// Prepares a document with a progress window that appears when preparing takes
// a while; its "Storno" cancels (then nothing is shown: nullopt).
std::optional<PreparedDocument> PrepareWithProgress(ReportEngine &engine, QWidget *parent);

// Shows a prepared document in a preview window: a modal one waits until it is
// closed; a non-modal one stays open beside the main window and frees itself
// when closed. Answers the window (for a modal one, already closed: nullptr).
TPreviewForm *ShowPreview(const PreparedDocument &document, bool modal, QWidget *parent,
                          bool pageSetupAllowed = false);

// The blank paper form of a document in its modal preview. Touches no database.
void PreviewBlankForm(InjuryDocument document, QWidget *parent);

// Connects a blank-form action of the main window ("Tisk formuláře",
// "Tisk registračního formuláře", ...) to PreviewBlankForm: ZaznamPrintEmpty to
// the book entry, RegPrintEmpty to the registered record, SKUrazPrintEmpty to
// the school record, PrintHlZmenEmpty to the report of changes.
void ConnectBlankFormAction(QAction *action, InjuryDocument document, QWidget *parent);

// The document of a stored row (by ID, through the document's single-row
// query on the open company database) in its preview: modal, except the
// registered record, whose preview leaves the main window usable. A database
// failure is shown as an error box and nothing else happens.
void PreviewInjuryDocument(InjuryDocument document, int id, QWidget *parent);
