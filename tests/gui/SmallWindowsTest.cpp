#include "AboutBox.h"
#include "Error.h"
#include "ErrorHandler.h"
#include "Help.h"
#include "MessageBoxes.h"
#include "SplashForm.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "Utils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinterInfo>

class SmallWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void clearInputsEmptiesDirectChildrenOnly()
    {
        QWidget part;
        auto *edit = new QLineEdit("Novák", &part);
        auto *combo = new QComboBox(&part);
        combo->setEditable(true);
        combo->setEditText("Praha");
        auto *check = new QCheckBox(&part);
        check->setChecked(true);
        auto *memo = new QPlainTextEdit("první\ndruhý", &part);
        auto *nested = new QWidget(&part);
        auto *nestedEdit = new QLineEdit("zůstane", nested);
        auto *nestedCheck = new QCheckBox(nested);
        nestedCheck->setChecked(true);

        ClearInputs(&part);
        QVERIFY(edit->text().isEmpty());
        QVERIFY(combo->currentText().isEmpty());
        QVERIFY(!check->isChecked());
        QVERIFY(memo->toPlainText().isEmpty());
        QCOMPARE(nestedEdit->text(), QStringLiteral("zůstane"));
        QVERIFY(nestedCheck->isChecked());
    }

    void drawText3D_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<QPoint>("textOffset");  // where the text colour lands against the shadow
        QTest::newRow("raised") << 1 << QPoint(-1, -1);
        QTest::newRow("sunken") << 2 << QPoint(1, 1);
        QTest::newRow("plain") << 0 << QPoint(0, 0);
    }
    void drawText3D()
    {
        QFETCH(int, effect);
        QFETCH(QPoint, textOffset);
        QImage image(120, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QFont font = painter.font();
        font.setPixelSize(16);
        font.setStyleStrategy(QFont::NoAntialias);  // exact colours only
        painter.setFont(font);
        const int height = DrawText3D("IIII", painter, QRect(10, 5, 100, 30), false, effect, 0, Qt::red, Qt::blue);
        painter.end();
        // The height of one line of text, plus 3.
        QVERIFY2(qAbs(height - (QFontMetrics(font).height() + 3)) <= 1, qPrintable(QString::number(height)));
        // Every red pixel has a blue (shadow) pixel at the opposite offset,
        // unless the text is drawn plain, which draws no shadow at all.
        int red = 0, blue = 0, matched = 0;
        for (int y = 1; y < image.height() - 1; ++y)
            for (int x = 1; x < image.width() - 1; ++x) {
                if (QColor(image.pixel(x, y)) == QColor(Qt::red)) {
                    ++red;
                    const QPoint shadow = QPoint(x, y) - textOffset;
                    const QColor below(image.pixel(shadow));
                    if (below == QColor(Qt::blue) || below == QColor(Qt::red))
                        ++matched;
                }
                if (QColor(image.pixel(x, y)) == QColor(Qt::blue))
                    ++blue;
            }
        QVERIFY(red > 0);
        QCOMPARE(blue > 0, effect != 0);
        QCOMPARE(matched, red);
    }

    void drawText3DWrapsLongText()
    {
        QImage image(60, 200, QImage::Format_RGB32);
        QPainter painter(&image);
        QFont font = painter.font();
        font.setPixelSize(12);
        painter.setFont(font);
        const int oneLine = DrawText3D("Kniha", painter, QRect(0, 0, 60, 200), true, 1, 0, Qt::black, Qt::gray);
        const int wrapped = DrawText3D("Kniha úrazů a registrované úrazy", painter, QRect(0, 0, 60, 200), true, 1, 0,
                                       Qt::black, Qt::gray);
        QVERIFY(wrapped >= 2 * (oneLine - 3) + 3);
    }

    void printerMissingTellsTheUser()
    {
        ScriptedResponder responder;
        const bool missing = PrinterMissing(nullptr);
        QCOMPARE(missing, QPrinterInfo::availablePrinterNames().isEmpty());
        if (missing) {
            QCOMPARE(responder.shown.size(), 1);
            QCOMPARE(responder.shown[0].caption, ApplicationTitle);
            QCOMPARE(responder.shown[0].text,
                     QStringLiteral("V počítači není nainstalována tiskárna\ntiskové a náhledové funkce nebudou přístupné"));
        } else {
            QVERIFY(responder.shown.isEmpty());
        }
    }

    void unhandledErrorsAreShownWithTheApplicationTitle()
    {
        ScriptedResponder responder;
        ShowUnhandledError(std::make_exception_ptr(TrelvoError("Soubor nelze zkopírovat.")));
        ShowUnhandledError(std::make_exception_ptr(std::runtime_error("boom")));
        QCOMPARE(responder.shown.size(), 2);
        QCOMPARE(responder.shown[0].kind, MessageKind::Error);
        QCOMPARE(responder.shown[0].caption, ApplicationTitle);
        QCOMPARE(responder.shown[0].text, QStringLiteral("Soubor nelze zkopírovat."));
        QVERIFY(responder.shown[1].text.contains("boom"));
    }

    void splashAndAboutShowTheVersion()
    {
        TSplashForm splash;
        QCOMPARE(splash.size(), QSize(327, 245));
        splash.show();
        QCOMPARE(splash.versionCaption(), QStringLiteral("Verze ") + VersionText());
        QVERIFY(!VersionText().isEmpty());

        TAboutBox about;
        QCOMPARE(about.windowTitle(), QStringLiteral("O programu"));
        QCOMPARE(about.Version->text(), VersionText());
        QVERIFY(about.Comments->text().endsWith(QStringLiteral("test_gui")));
        QVERIFY(about.Links->openExternalLinks());
        QVERIFY(!about.UpdateLabel->isVisibleTo(&about));
        QCOMPARE(about.UpdateLabel->text(), QStringLiteral("Aktualizace č.x"));
        if (const QByteArray shots = qgetenv("TRELVO_SCREENSHOT_DIR"); !shots.isEmpty()) {
            splash.grab().save(QString::fromLocal8Bit(shots) + "/splash.png");
            about.show();
            about.grab().save(QString::fromLocal8Bit(shots) + "/about.png");
        }
    }

    void helpPageIsWrittenForTheBrowser()
    {
        TempDataFolder folder;
        const QString path = WriteHelpPage(folder.path());
        QCOMPARE(path, folder.file("napoveda.html"));
        const QString page = QString::fromUtf8(ReadFile(path));
        for (const char *caption : {"Kartotéka", "Kniha úrazů", "Registrované úrazy", "Školní úrazy",
                                    "Přehled zaměstnanců", "Střediska", "Statistika"})
            QVERIFY2(page.contains(QString::fromUtf8(caption)), caption);
        QVERIFY(WriteHelpPage(folder.file("chybí/")).isEmpty());
    }
};

TRELVO_TEST(SmallWindowsTest)
#include "SmallWindowsTest.moc"
