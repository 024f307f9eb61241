#pragma once

// The preview of a prepared document: a tool bar (open, save, print, page
// setup, page navigation, zoom, search, close) above the page. Used embedded in
// the pages that show printouts inline and inside the preview window.

#include "Exporters.h"
#include "PreparedDocument.h"
#include "PreviewLogic.h"

#include <QPageLayout>
#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QToolBar;

class TPreviewPage;

class TPreviewPane : public QWidget
{
    Q_OBJECT

public:
    // `inWindow`: the pane fills a preview window and offers "Zavřít".
    explicit TPreviewPane(QWidget *parent = nullptr, bool inWindow = false);

    // Replaces the document shown (the previous one is released).
    void setDocument(const PreparedDocument &document);
    const PreparedDocument &document() const { return m_document; }

    void setPageSetupAllowed(bool allowed);
    const QPageLayout &pageLayout() const { return m_pageLayout; }

    int currentPage() const { return m_page; }  // 0-based
    void showPage(int page);
    double zoom() const { return m_zoom; }
    void setZoomStep(int index);

    // Finds the next occurrence of `text` and shows its page with the found
    // boxes highlighted. Answers false (after a notice) when there is none.
    bool findNext(const QString &text);
    QList<TextHit> highlighted() const;

    // Saves or exports the document; on failure shows the error and answers
    // false, the preview staying as it was.
    bool saveAs(const QString &path, ExportFormat format);
    // Opens a saved document; on failure shows the error and keeps the current one.
    bool openFile(const QString &path);

    QToolBar *toolBar() const { return m_toolBar; }

signals:
    void closeRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void save();
    void open();
    void print();
    void pageSetup();
    void updateState();
    void applyZoom();

    PreparedDocument m_document;
    int m_page = 0;
    double m_zoom = 1.0;
    int m_zoomStep = 0;
    QString m_searchText;
    QList<TextHit> m_hits;
    int m_hit = -1;
    QPageLayout m_pageLayout;

    QToolBar *m_toolBar;
    QAction *m_pageSetupAction;
    QAction *m_firstAction;
    QAction *m_priorAction;
    QAction *m_nextAction;
    QAction *m_lastAction;
    QLabel *m_pageLabel;
    QComboBox *m_zoomBox;
    QLineEdit *m_searchEdit;
    QLabel *m_status;
    QScrollArea *m_scroll;
    TPreviewPage *m_view;
};
