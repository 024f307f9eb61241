#include "ClassificationTree.h"
#include "CodeListImport.h"
#include "CodeListImportForm.h"
#include "CodeListTestSupport.h"
#include "MessageBoxes.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "Windows1250.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

Q_DECLARE_METATYPE(ImportTarget)

namespace {

QString fixture(const QString &name)
{
    return QStringLiteral(CODELIST_FIXTURES) + name;
}

QMap<QString, int> schemaWidths(ImportTarget target)
{
    // The widths of the common database's columns.
    switch (target) {
    case ImportTarget::CzNace: return {{"KODCZNACE", 5}, {"NAZEV", 255}};
    case ImportTarget::CzIsco: return {{"KODCZISCO", 5}, {"NAZEV", 255}};
    case ImportTarget::Okec: return {{"KODOKEC", 6}, {"NAZEV", 240}};
    case ImportTarget::Psc: return {{"PSC", 6}, {"OBEC", 50}, {"POSTA", 50}, {"OKRES", 50}};
    }
    return {};
}

QStringList codes(const ImportedList &list)
{
    QStringList out;
    for (const QStringList &row : list.rows)
        out << row.at(0);
    return out;
}

} // namespace

class ImportTest : public QObject
{
    Q_OBJECT

private slots:
    void publishersFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<ImportTarget>("target");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QStringList>("secondRow");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QString>("encoding");
        QTest::newRow("ČSÚ CZ-NACE, UTF-8, quoted, with a section")
            << "csu_cznace_utf8.csv" << ImportTarget::CzNace << QStringList{"01", "011", "0111", "0113", "02"}
            << QStringList{"011", "Pěstování plodin jiných než trvalých"} << 1 << "UTF-8";
        QTest::newRow("ČSÚ CZ-ISCO, Windows-1250, commas")
            << "csu_czisco_cp1250.csv" << ImportTarget::CzIsco << QStringList{"1", "11", "111", "1111", "11110", "2"}
            << QStringList{"11", "Zákonodárci, nejvyšší státní úředníci a nejvyšší představitelé společností"} << 0
            << "Windows-1250";
        QTest::newRow("Czech Post postcodes, Windows-1250")
            << "posta_psc_cp1250.csv" << ImportTarget::Psc << QStringList{"110 00", "537 01", "350 02", "500 03"}
            << QStringList{"537 01", "Chrudim", "Chrudim 1", "Chrudim"} << 0 << "Windows-1250";
        QTest::newRow("plain code and name, tabs, byte-order mark")
            << "plain_okec_tab.csv" << ImportTarget::Okec << QStringList{"01.1", "01", "01.11"}
            << QStringList{"01", "Zemědělství"} << 0 << "UTF-8";
    }

    void publishersFiles()
    {
        QFETCH(QString, file);
        QFETCH(ImportTarget, target);
        QFETCH(QStringList, codes);
        QFETCH(QStringList, secondRow);
        QFETCH(int, skipped);
        QFETCH(QString, encoding);
        const ImportedList list = ParseCodeListFile(ReadFile(fixture(file)), target, schemaWidths(target));
        QCOMPARE(::codes(list), codes);
        QCOMPARE(list.rows.at(1), secondRow);
        QCOMPARE(list.skipped, skipped);
        QCOMPARE(list.encoding, encoding);
    }

    void smallerFormats_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ImportTarget>("target");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("no header, code first") << QByteArray("01;Zemědělství\n01.1;Plodiny\n") << ImportTarget::CzNace
                                               << QStringList{"01", "011"};
        QTest::newRow("header with diacritics") << QByteArray("Kód;Název\n1 1 1;Zákonodárci\n") << ImportTarget::CzIsco
                                                << QStringList{"111"};
        QTest::newRow("blank lines and trailing delimiters") << QByteArray("KOD;NAZEV;\n\n21;Vědci;\r\n\r\n")
                                                             << ImportTarget::CzIsco << QStringList{"21"};
        QTest::newRow("postcodes without header") << QByteArray("12345;Obec;Pošta;Okres\n54321;Jiná;;\n")
                                                  << ImportTarget::Psc << QStringList{"123 45", "543 21"};
        QTest::newRow("OKEČ codes without dots get them")
            << QByteArray("KOD;NAZEV\n01;A\n011;B\n0111;C\n01 12;D\n") << ImportTarget::Okec
            << QStringList{"01", "01.1", "01.11", "01.12"};
        QTest::newRow("postcode with a blank") << QByteArray("PSC;OBEC\n\"530 02\";Pardubice\n") << ImportTarget::Psc
                                               << QStringList{"530 02"};
    }

    void smallerFormats()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(ImportTarget, target);
        QFETCH(QStringList, codes);
        QCOMPARE(::codes(ParseCodeListFile(bytes, target, schemaWidths(target))), codes);
    }

    void badFilesAreRefusedWithTheReason_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ImportTarget>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QByteArray() << ImportTarget::CzNace << "Soubor je prázdný.";
        QTest::newRow("only blanks") << QByteArray(" \r\n\r\n") << ImportTarget::Psc << "Soubor je prázdný.";
        QTest::newRow("header only") << QByteArray("CHODNOTA;TEXT\n") << ImportTarget::CzNace
                                     << "Soubor neobsahuje žádné řádky s daty.";
        QTest::newRow("no recognisable header") << QByteArray("foo;bar;baz\n1;2;3\n") << ImportTarget::CzIsco
                                                << "Soubor nemá rozpoznatelnou hlavičku";
        QTest::newRow("no delimiter at all") << QByteArray("Seznam obcí\nPraha\n") << ImportTarget::Psc
                                             << "Soubor nemá rozpoznatelnou hlavičku";
        QTest::newRow("postcodes without a town column") << QByteArray("PSC;POSTA\n11000;Praha 1\n") << ImportTarget::Psc
                                                         << "Soubor nemá rozpoznatelnou hlavičku: chybí sloupec PSČ (PSC) nebo sloupec obce";
        QTest::newRow("not text") << QByteArray("PK\x03\x04\x14\x00\x06\x00", 8) + QByteArray(64, '\0')
                                  << ImportTarget::CzNace << "Soubor není textový soubor CSV";
        QTest::newRow("mixed delimiters") << QByteArray("CHODNOTA;TEXT\n01;Zemědělství\n02,Lesnictví\n")
                                          << ImportTarget::CzNace << "Řádek 3: má 1 polí, hlavička jich má 2";
        QTest::newRow("code too long") << QByteArray("KOD;NAZEV\n1;A\n111111;B\n") << ImportTarget::CzIsco
                                       << "Řádek 3: hodnota „111111“ má 6 znaků, sloupec KODCZISCO jich pojme nejvýše 5.";
        QTest::newRow("OKEČ code too long once dotted") << QByteArray("KOD;NAZEV\n01111;A\n") << ImportTarget::Okec
                                                        << "Řádek 2: hodnota „01.11.1“ má 7 znaků, sloupec KODOKEC";
        QTest::newRow("name too long") << QByteArray("PSC;OBEC\n11000;") + QByteArray(51, 'x') + "\n"
                                       << ImportTarget::Psc << "Řádek 2: hodnota";
        QTest::newRow("letters in a CZ-ISCO code") << QByteArray("KOD;NAZEV\n1;A\n1x;B\n") << ImportTarget::CzIsco
                                                   << "Řádek 3: „1x“ není kód CZ-ISCO.";
        QTest::newRow("postcode of four digits") << QByteArray("PSC;OBEC\n1100;Praha\n") << ImportTarget::Psc
                                                 << "Řádek 2: „1100“ není PSČ.";
        QTest::newRow("code twice") << QByteArray("KOD;NAZEV\n01;A\n01.;B\n") << ImportTarget::CzNace
                                    << "Řádek 3: kód „01“ už je na řádku 2.";
        QTest::newRow("missing name") << QByteArray("KOD;NAZEV\n01;\n") << ImportTarget::CzNace
                                      << "Řádek 2: chybí název.";
        QTest::newRow("unclosed quote") << QByteArray("KOD;NAZEV\n01;\"Zemědělství\n") << ImportTarget::CzNace
                                        << "Řádek 2: uvozovky pole nejsou uzavřeny.";
        QTest::newRow("character Windows-1250 cannot hold") << QByteArray("KOD;NAZEV\n01;Zemědělství ✓\n")
                                                            << ImportTarget::CzNace << "Řádek 2: text";
    }

    void badFilesAreRefusedWithTheReason()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(ImportTarget, target);
        QFETCH(QString, message);
        const QString error = ErrorOf([&] { ParseCodeListFile(bytes, target, schemaWidths(target)); });
        QVERIFY2(error.startsWith(message), qPrintable(error));
    }

    void widthsComeFromTheDatabase()
    {
        OpenCompany company;
        QCOMPARE(ColumnWidths(company.common(), "CZISCO").value("KODCZISCO"), 5);
        QCOMPARE(ColumnWidths(company.common(), "PSC").value("OBEC"), 50);
        QVERIFY(!ErrorOf([&] { ColumnWidths(company.common(), "NEEXISTUJE"); }).isEmpty());
    }

    void replacingBuildsTheTreeOfTheNewEdition()
    {
        OpenCompany company;
        const ImportedList list = ReadCodeListFile(fixture("csu_cznace_utf8.csv"), ImportTarget::CzNace, company.common());
        int calls = 0;
        ReplaceCodeList(company.common(), list, [&calls](int, int) { return ++calls > 0; });
        QVERIFY(calls > 0);
        ClassificationTree tree;
        tree.build(LoadClassification(company.common(), CzNaceKind()), TreeRule::CodePrefix);
        QCOMPARE(tree.shape(), QString("01(011(0111,0113)),02"));
    }

    void stoppedReplacementChangesNothing()
    {
        OpenCompany company;
        const int before = CountRows(company.common(), "PSC");
        const ImportedList list = ReadCodeListFile(fixture("posta_psc_cp1250.csv"), ImportTarget::Psc, company.common());
        const QString error = ErrorOf([&] { ReplaceCodeList(company.common(), list, [](int, int) { return false; }); });
        QVERIFY(error.contains("přerušena"));
        QCOMPARE(CountRows(company.common(), "PSC"), before);
    }

    void importWindowShowsTheRowsAndAsksFirst_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("confirmed") << MessageAnswer::Yes;
        QTest::newRow("declined") << MessageAnswer::No;
    }

    void importWindowShowsTheRowsAndAsksFirst()
    {
        QFETCH(MessageAnswer, answer);
        OpenCompany company;
        ScriptedResponder responder;
        responder.answer(answer);
        TCodeListImportForm form(company.common());
        form.setTarget(ImportTarget::Psc);
        QVERIFY(form.loadFile(fixture("posta_psc_cp1250.csv")));
        QVERIFY(form.summary()->text().startsWith("Načteno řádků: 4"));
        QCOMPARE(form.preview()->rowCount(), 4);
        QCOMPARE(form.preview()->item(0, 0)->text(), QString("110 00"));
        QVERIFY(form.replaceButton()->isEnabled());
        const int before = CountRows(company.common(), "PSC");
        QCOMPARE(form.replace(), answer == MessageAnswer::Yes);
        QCOMPARE(responder.shown.at(0).kind, MessageKind::Confirmation);
        QCOMPARE(CountRows(company.common(), "PSC"), answer == MessageAnswer::Yes ? 4 : before);
        if (answer == MessageAnswer::Yes) {
            QCOMPARE(company.common().select("SELECT OBEC FROM PSC WHERE PSC = '500 03'").text(0, "OBEC"),
                     QString("Hradec Králové"));
        }
    }

    void brokenFileInTheWindowChangesNothing()
    {
        OpenCompany company;
        ScriptedResponder responder;
        TempDataFolder folder;
        const QString path = folder.file("rozbity.csv");
        WriteFile(path, ToWindows1250("CHODNOTA;TEXT\n1;Zákonodárci\n11;Nejvyšší;navíc\n"));
        TCodeListImportForm form(company.common());
        form.setTarget(ImportTarget::CzIsco);
        const int before = CountRows(company.common(), "CZISCO");
        QVERIFY(!form.loadFile(path));
        QCOMPARE(responder.shown.size(), 1);
        QCOMPARE(responder.shown.at(0).kind, MessageKind::Error);
        QVERIFY(responder.shown.at(0).text.startsWith("Řádek 3:"));
        QVERIFY(!form.replaceButton()->isEnabled());
        QVERIFY(!form.replace());
        QCOMPARE(CountRows(company.common(), "CZISCO"), before);
    }
};

TRELVO_TEST(ImportTest)
#include "ImportTest.moc"
