#include "Error.h"
#include "Exporters.h"
#include "InjuryDocuments.h"
#include "MessageBoxes.h"
#include "PreviewForm.h"
#include "SqlLiteral.h"
#include "TestMain.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QToolBar>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTimer>

#include <memory>

namespace {

// The texts every export of the sample book entry must carry.
const QStringList ExpectedTexts = {"KNIHA ÚRAZŮ - EVIDOVANÝ ÚRAZ ZAMĚSTNANCE Č. 12/2024", "Příjmení a jméno zraněného:",
                                   "Novák Jan", "Žluťoučký kůň úpěl: \"ďábelské\" ódy \\ & <b>",
                                   "- dopravní prostředek"};

int insertBookEntry(Connection &connection)
{
    const int id = connection.nextId("URAZEVIDOVANY");
    connection.change([&] {
        connection.execute(SqlFormat("INSERT INTO URAZEVIDOVANY (ID, EVIDENCNICISLO, JMENO, PRIJMENI, ZDROJURAZU, "
                                     "DATUMURAZ, REGISTDNE) VALUES (%d, '12/2024', 'Jan', 'Novák', 1, '05.03.2024', "
                                     "'01.01.0001');",
                                     {id}));
        connection.execute(SqlFormat("UPDATE URAZEVIDOVANY SET POPISDEJE=:PopisDeje WHERE ID=%d;", {id}),
                           {{"PopisDeje", "Žluťoučký kůň úpěl: \"ďábelské\" ódy \\ & <b>"}});
    });
    return id;
}

// Plain text of a rich-text file, read the way a word processor reads it:
// groups, control words and \uN escapes (with their one-character fallback).
QString rtfToText(const QByteArray &rtf, bool *balanced)
{
    QString text;
    int depth = 0;
    for (int i = 0; i < rtf.size(); ++i) {
        const char c = rtf.at(i);
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            --depth;
        } else if (c == '\\') {
            const char next = i + 1 < rtf.size() ? rtf.at(i + 1) : ' ';
            if (next == '\\' || next == '{' || next == '}') {
                text += QChar(next);
                ++i;
                continue;
            }
            int j = i + 1;
            QByteArray word;
            while (j < rtf.size() && std::isalpha(uchar(rtf.at(j))))
                word += rtf.at(j++);
            QByteArray number;
            while (j < rtf.size() && (std::isdigit(uchar(rtf.at(j))) || rtf.at(j) == '-'))
                number += rtf.at(j++);
            if (j < rtf.size() && rtf.at(j) == ' ')
                ++j;
            if (word == "u") {
                text += QChar(ushort(number.toShort()));
                ++j;  // the fallback character
            } else if (word == "par" || word == "line" || word == "page") {
                text += '\n';
            } else if (word == "tab") {
                text += '\t';
            }
            i = j - 1;
        } else if (c != '\n' && c != '\r' && depth >= 1) {
            text += QChar(c);
        }
    }
    *balanced = depth == 0;
    return text;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString simplified(const QString &text)
{
    return text.simplified();
}

} // namespace

class ExportTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<OpenCompany> m_company;
    PreparedDocument m_document;

private slots:
    void initTestCase()
    {
        m_company = std::make_unique<OpenCompany>();
        const int id = insertBookEntry(m_company->company());
        m_document = PrepareStoredInjuryDocument(InjuryDocument::BookEntry, m_company->company(), id);
    }

    void cleanupTestCase() { m_company.reset(); }

    void pdfTextIsExtractable()
    {
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString path = m_company->folder.file("zaznam.pdf");
        ExportDocument(m_document, ExportFormat::Pdf, path);
        const QString text = simplified(run(pdftotext, {"-enc", "UTF-8", path, "-"}));
        for (const QString &expected : ExpectedTexts)
            QVERIFY2(text.contains(simplified(expected)), qPrintable(expected + "\n---\n" + text));
        const QString info = run(QStandardPaths::findExecutable("pdfinfo"), {path});
        if (!info.isEmpty())
            QVERIFY2(info.contains("A4"), qPrintable(info));
    }

    void spreadsheetHoldsEveryBoxText()
    {
        const QString unzip = QStandardPaths::findExecutable("unzip");
        if (unzip.isEmpty())
            QSKIP("unzip is not installed");
        const QString path = m_company->folder.file("zaznam.xlsx");
        ExportDocument(m_document, ExportFormat::Xlsx, path);
        const QString listing = run(unzip, {"-l", path});
        QVERIFY2(listing.contains("xl/worksheets/sheet1.xml") && listing.contains("[Content_Types].xml"),
                 qPrintable(listing));
        QString xml = run(unzip, {"-p", path, "xl/sharedStrings.xml"});
        xml.replace("&quot;", "\"").replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
        for (const QString &expected : ExpectedTexts)
            QVERIFY2(xml.contains(expected), qPrintable(expected));
        // No formatting goes over: the only style is the default one.
        const QString styles = run(unzip, {"-p", path, "xl/styles.xml"});
        QVERIFY2(styles.contains("<cellXfs count=\"1\">"), qPrintable(styles));
    }

    void richTextReadsBack_data()
    {
        QTest::addColumn<bool>("simple");
        QTest::newRow("advanced layout") << false;
        QTest::newRow("simple, scaled") << true;
    }

    void richTextReadsBack()
    {
        QFETCH(bool, simple);
        const QString path = m_company->folder.file(simple ? "prosty.rtf" : "rozvrzeny.rtf");
        ExportDocument(m_document, simple ? ExportFormat::RtfSimple : ExportFormat::RtfAdvanced, path);
        const QByteArray rtf = ReadFile(path);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1250"));
        for (const char c : rtf)
            QVERIFY2(uchar(c) < 0x80, "rich text must be 7-bit");
        bool balanced = false;
        const QString text = rtfToText(rtf, &balanced);
        QVERIFY(balanced);
        for (const QString &expected : ExpectedTexts)
            QVERIFY2(text.contains(expected), qPrintable(expected));
        if (simple) {
            // Tab stops stretched by 1.3: a box 380 units from the margin
            // becomes a stop at (36 + 380) * 1.3 * 15 twips.
            QVERIFY(rtf.contains("\\tx8112"));
        } else {
            QVERIFY(rtf.contains("\\pvpg\\phpg"));
        }
    }

    void htmlReadsBack_data()
    {
        QTest::addColumn<bool>("advanced");
        QTest::newRow("table") << false;
        QTest::newRow("advanced layout") << true;
    }

    void htmlReadsBack()
    {
        QFETCH(bool, advanced);
        const QString path = m_company->folder.file(advanced ? "zaznam.html" : "zaznam.htm");
        ExportDocument(m_document, advanced ? ExportFormat::HtmlAdvanced : ExportFormat::HtmlTable, path);
        const QString html = QString::fromUtf8(ReadFile(path));
        QVERIFY(html.startsWith("<!DOCTYPE html>"));
        QVERIFY(html.contains("<meta charset=\"utf-8\">"));
        QVERIFY(!html.contains("<frameset"));
        QTextDocument reader;
        reader.setHtml(html);
        const QString text = reader.toPlainText();
        for (const QString &expected : ExpectedTexts)
            QVERIFY2(text.contains(expected), qPrintable(expected));
        QVERIFY2(html.contains(advanced ? "position: absolute" : "<table"), "layout");
    }

    void pagePicturesOneFilePerSheet_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QByteArray>("readerFormat");
        QTest::newRow("BMP") << int(ExportFormat::Bmp) << "bmp" << QByteArray("bmp");
        QTest::newRow("JPEG") << int(ExportFormat::Jpeg) << "jpg" << QByteArray("jpeg");
        QTest::newRow("TIFF") << int(ExportFormat::Tiff) << "tif" << QByteArray("tiff");
    }

    void pagePicturesOneFilePerSheet()
    {
        QFETCH(int, format);
        QFETCH(QString, extension);
        QFETCH(QByteArray, readerFormat);
        const PreparedDocument blank = PrepareBlankForm(InjuryDocument::RegisteredRecord);
        const QString path = m_company->folder.file("registrace." + extension);
        const QStringList files = ExportDocument(blank, ExportFormat(format), path);
        QCOMPARE(files, QStringList({path, m_company->folder.file("registrace_2." + extension),
                                     m_company->folder.file("registrace_3." + extension)}));
        for (const QString &file : files) {
            QImageReader reader(file);
            QCOMPARE(reader.format(), readerFormat);
            const QImage image = reader.read();
            QCOMPARE(image.size(), QSize(1241, 1754));  // A4 at 150 dpi
            // The sheet is drawn on it, not left white.
            int dark = 0;
            for (int y = 0; y < image.height(); y += 2)
                for (int x = 0; x < image.width(); x += 2)
                    dark += image.pixelColor(x, y).lightness() < 128;
            QVERIFY2(dark > 2000, qPrintable(QString::number(dark)));
        }
    }

    void unwritablePathGivesAClearMessageAndKeepsThePreview()
    {
        TPreviewPane pane;
        pane.setDocument(m_document);
        const QString path = m_company->folder.file("neexistuje/slozka/zaznam.pdf");
        ScriptedResponder responder;
        QVERIFY(!pane.saveAs(path, ExportFormat::Pdf));
        QCOMPARE(responder.shown.size(), 1);
        QCOMPARE(responder.shown.first().kind, MessageKind::Error);
        QVERIFY2(responder.shown.first().text.contains(path), qPrintable(responder.shown.first().text));
        QVERIFY(pane.document() == m_document);
        QVERIFY(!QFileInfo::exists(path));
        // The next attempt to a good place works.
        QVERIFY(pane.saveAs(m_company->folder.file("zaznam2.pdf"), ExportFormat::Pdf));
        QCOMPARE(responder.shown.size(), 1);
    }

    void nativeDocumentOpensInThePreview()
    {
        const QString path = m_company->folder.file("zaznam.trp");
        TPreviewPane pane;
        pane.setDocument(m_document);
        QVERIFY(pane.saveAs(path, ExportFormat::Native));
        TPreviewPane other;
        QVERIFY(other.openFile(path));
        QVERIFY(other.document() == m_document);
        // A damaged file is refused with a message, the shown document stays.
        WriteFile(path, "TRELVORP\x00\x00");
        ScriptedResponder responder;
        QVERIFY(!other.openFile(path));
        QCOMPARE(responder.shown.size(), 1);
        QVERIFY(responder.shown.first().text.contains(path));
        QVERIFY(other.document() == m_document);
    }
};

class PreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void captionShowsTheTitle()
    {
        QCOMPARE(PreviewCaption(QString()), QString("Náhled"));
        QCOMPARE(PreviewCaption("Uraz registrovaný"), QString("Náhled - Uraz registrovaný"));
    }

    void searchHighlightsWhatItFinds()
    {
        PreparedDocument document = PrepareBlankForm(InjuryDocument::RegisteredRecord);
        TPreviewPane pane;
        pane.setDocument(document);
        QCOMPARE(pane.currentPage(), 0);
        ScriptedResponder responder;
        QVERIFY(pane.findNext("vyjádření"));  // only on the third sheet
        QCOMPARE(pane.currentPage(), 2);
        QCOMPARE(pane.highlighted().size(), 1);
        QVERIFY(document.pages.at(2).items.at(pane.highlighted().first().item).text.contains("Vyjádření"));
        QVERIFY(!pane.findNext("neexistující text"));
        QCOMPARE(responder.shown.size(), 1);
        QVERIFY(responder.shown.first().text.contains("neexistující text"));
        QCOMPARE(FindText(document, "list č.").size(), 3);
    }

    void navigationAndZoom()
    {
        TPreviewPane pane;
        pane.setDocument(PrepareBlankForm(InjuryDocument::RegisteredRecord));
        pane.showPage(5);
        QCOMPARE(pane.currentPage(), 2);
        pane.showPage(-1);
        QCOMPARE(pane.currentPage(), 0);
        pane.setZoomStep(6);
        QCOMPARE(pane.zoom(), 2.0);
        pane.resize(500, 400);
        QVERIFY(!pane.grab().toImage().isNull());  // paints without a window system
        QCOMPARE(ZoomFactor(ZoomSteps().at(1), QSizeF(A4Width + 24, 300), 96), 1.0);
    }

    void printingWithoutPrinterSaysSoAndPrintsNothing()
    {
        if (PrinterInstalled())
            QSKIP("a printer is installed on this machine");
        TPreviewPane pane;
        pane.setDocument(PrepareBlankForm(InjuryDocument::ChangeReport));
        ScriptedResponder responder;
        for (QAction *action : pane.toolBar()->actions())
            if (action->text() == "Tisk")
                action->trigger();
        QCOMPARE(responder.shown.size(), 1);
        QCOMPARE(responder.shown.first().text, QString("Tiskárna není nainstalována"));
        QCOMPARE(pane.document().pageCount(), 1);
    }

    void preparingWithProgressCanBeCancelled()
    {
        ReportEngine engine(LoadTemplate("frReportUrazE"));
        engine.blank = true;
        QVERIFY(PrepareWithProgress(engine, nullptr).has_value());
        engine.progress = [](int) { return false; };  // as if "Storno" were pressed
        QVERIFY(!PrepareWithProgress(engine, nullptr).has_value());
        QVERIFY(engine.progress);  // the caller's callback is given back
    }

    void blankFormOpensModalAndUntitled_data()
    {
        QTest::addColumn<bool>("throughAction");
        QTest::newRow("call") << false;
        QTest::newRow("main window action") << true;
    }

    void blankFormOpensModalAndUntitled()
    {
        QFETCH(bool, throughAction);
        QString caption;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget *window = QApplication::activeModalWidget();
            if (!window)
                return;
            caption = window->windowTitle();
            modal = true;
            window->close();
        });
        if (throughAction) {
            QWidget window;
            QAction action("Tisk formuláře", &window);
            ConnectBlankFormAction(&action, InjuryDocument::ChangeReport, &window);
            action.trigger();
        } else {
            PreviewBlankForm(InjuryDocument::BookEntry, nullptr);
        }
        QVERIFY(modal);
        QCOMPARE(caption, QString("Náhled"));
    }

    void registeredRecordPreviewsStayOpenSideBySide()
    {
        OpenCompany company;
        Connection &db = company.company();
        QList<int> ids;
        for (const char *name : {"Prvni", "Druha"}) {
            const int id = db.nextId("URAZREGISTROVANY");
            db.change([&] {
                db.execute(SqlFormat("INSERT INTO URAZREGISTROVANY (ID, PRIJMENI) VALUES (%d, '%s');", {id, name}));
            });
            ids << id;
        }
        for (int id : ids)
            PreviewInjuryDocument(InjuryDocument::RegisteredRecord, id, nullptr);
        QList<TPreviewForm *> forms;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *form = qobject_cast<TPreviewForm *>(widget); form && form->isVisible())
                forms << form;
        QCOMPARE(forms.size(), 2);
        QStringList names;
        for (TPreviewForm *form : forms) {
            QVERIFY(!form->isModal());
            QCOMPARE(form->windowTitle(), QString("Náhled - Uraz registrovaný"));
            names << form->pane()->document().textOf("jmeno");
            form->close();
        }
        names.sort();
        QCOMPARE(names, QStringList({"  Druha", "  Prvni"}));
    }
};

TRELVO_TEST(ExportTest)
TRELVO_TEST(PreviewTest)

#include "ExportTest.moc"
