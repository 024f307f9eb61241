#include "InjuryDocuments.h"

#include "Error.h"
#include "SqlLiteral.h"
#include "TestMain.h"
#include "TestSupport.h"

#include <memory>

namespace {

// Column values as SQL literals, e.g. {"ZENA", "1"}, {"PNOD", "'01.03.2024'"}.
using Values = QList<QPair<QString, QString>>;

QString text(const QString &typed)
{
    return "'" + EscapeSqlText(typed) + "'";
}

QString date(int year, int month, int day)
{
    return "'" + SqlDate(QDate(year, month, day)) + "'";
}

const QString noDate = QStringLiteral("'01.01.0001'");

// Inserts a row with the given values (and memo parameters) and answers its ID.
int insertRow(Connection &connection, InjuryDocument document, const Values &values, const MemoParams &memos = {})
{
    const QString table = DocumentTable(document);
    const int id = connection.nextId(table);
    QStringList columns{"ID"}, literals{QString::number(id)};
    for (const auto &value : values) {
        columns << value.first;
        literals << value.second;
    }
    for (const MemoParam &memo : memos) {
        columns << memo.name.toUpper();
        literals << ":" + memo.name;
    }
    connection.change([&] {
        connection.execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3);")
                               .arg(table, columns.join(", "), literals.join(", ")),
                           memos);
    });
    return id;
}

bool checked(const PreparedDocument &document, const QString &mark)
{
    const QList<PreparedItem> items = document.itemsNamed(mark);
    return items.size() == 1 && items.first().checked;
}

} // namespace

Q_DECLARE_METATYPE(InjuryDocument)

class InjuryDocumentsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<OpenCompany> m_company;

    Connection &db() { return m_company->company(); }

    PreparedDocument prepare(InjuryDocument document, const Values &values, const MemoParams &memos = {})
    {
        const int id = insertRow(db(), document, values, memos);
        return PrepareStoredInjuryDocument(document, db(), id);
    }

private slots:
    void initTestCase() { m_company = std::make_unique<OpenCompany>(); }
    void cleanupTestCase() { m_company.reset(); }

    void singleRowQueriesAreNarrowedToTheId()
    {
        QCOMPARE(SingleRowSql(InjuryDocument::BookEntry, 7), QString("SELECT * FROM URAZEVIDOVANY WHERE ID=7;"));
        QCOMPARE(SingleRowSql(InjuryDocument::ChangeReport, 12), QString("SELECT * FROM URAZZMENY WHERE ID=12;"));
        const int first = insertRow(db(), InjuryDocument::BookEntry, {{"PRIJMENI", text("Prvni")}});
        insertRow(db(), InjuryDocument::BookEntry, {{"PRIJMENI", text("Druhy")}});
        const ResultSet rows = EvidovanyUrazQuery(db(), first);
        QCOMPARE(rows.rowCount(), 1);
        QCOMPARE(rows.text(0, "PRIJMENI"), QString("Prvni"));
    }

    void bookEntrySourcesAreJoinedInBitOrder_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<QString>("sources");
        QTest::newRow("none") << 0 << "";
        QTest::newRow("bits 1 and 2") << 3
                                      << "- dopravní prostředek- kontakt se strojním zařízením nebo jeho částí";
        QTest::newRow("last bit") << 512 << "- jiný blíže nespecifikovaný zdroj";
    }

    void bookEntrySourcesAreJoinedInBitOrder()
    {
        QFETCH(int, mask);
        QFETCH(QString, sources);
        const PreparedDocument document = prepare(InjuryDocument::BookEntry, {{"ZDROJURAZU", QString::number(mask)},
                                                                              {"PRICINAURAZU", "20"}});
        QCOMPARE(document.textOf("zdroje"), sources);
        QCOMPARE(document.textOf("priciny"),
                 QString("- pro závady na pracovišti- pro porušení pracovní kázně postiženým"));
    }

    void bookEntryMarksOnlyItsKindOfInjury()
    {
        const PreparedDocument document = prepare(InjuryDocument::BookEntry, {{"DRUHURAZU", "3"}});
        QCOMPARE(document.textOf("druhurazu3"), QString(" >  S hospitalizací přesahující 5 dnů"));
        for (int kind : {1, 2, 4, 5})
            QVERIFY2(document.textOf(QString("druhurazu%1").arg(kind)).startsWith("    "), qPrintable(QString::number(kind)));
    }

    void bookEntryFillsItsBoxes()
    {
        const PreparedDocument document = prepare(
            InjuryDocument::BookEntry,
            {{"EVIDENCNICISLO", text("12/2024")}, {"JMENO", text("Jan")}, {"PRIJMENI", text("Novák")},
             {"NAROZEN", date(1980, 5, 4)}, {"REGISTROVANY", "0"}, {"REGISTDNE", noDate}, {"LEKAR", "1"},
             {"PRAVIDELNEPRACOVISTE", "0"}, {"NAVYKOVELATKY", "1"}, {"DATUM", date(2024, 3, 2)},
             {"SVEDEK", text("Petr Svoboda")}, {"MISTOURAZU", text("Dílna \"A\" – C:\\sklad, O'Neil")}},
            {{"PopisDeje", "Uklouzl na oleji.\r\nSpadl \"na\" ruku \\ loket."}});
        QCOMPARE(document.pageCount(), 1);
        QCOMPARE(document.textOf("list"), QString("List č. 1"));
        QCOMPARE(document.textOf("nadpis"), QString("KNIHA ÚRAZŮ - EVIDOVANÝ ÚRAZ ZAMĚSTNANCE Č. 12/2024"));
        QCOMPARE(document.textOf("jmeno"), QString("   Novák Jan"));
        QCOMPARE(document.textOf("narozen"), QString("   4.5.1980"));
        QCOMPARE(document.textOf("registdne"), QString());  // not registered
        QCOMPARE(document.textOf("lekar"), QString("Ano"));
        QCOMPARE(document.textOf("pravidelne"), QString("Ne"));
        QCOMPARE(document.textOf("navykove"), QString("Ano"));
        QCOMPARE(document.textOf("podpissvedek"), QString("2.3.2024, Petr Svoboda"));
        QCOMPARE(document.textOf("podpispostizeny"), QString("2.3.2024, Novák Jan"));
        // Text columns print unescaped, memos as stored.
        QCOMPARE(document.textOf("misto"), QString("   Dílna \"A\" – C:\\sklad, O'Neil"));
        QCOMPARE(document.textOf("popisdeje"), QString("   Uklouzl na oleji.\r\nSpadl \"na\" ruku \\ loket."));
    }

    void registeredBookEntryPrintsTheDateOfTheRecord()
    {
        const PreparedDocument document = prepare(InjuryDocument::BookEntry,
                                                  {{"REGISTROVANY", "1"}, {"REGISTDNE", date(2024, 4, 9)}});
        QCOMPARE(document.textOf("registdne"), QString("9.4.2024"));
    }

    void registeredRecordMarksAndDays_data()
    {
        QTest::addColumn<Values>("values");
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QStringList>("empty");
        QTest::addColumn<QString>("pnod");
        QTest::addColumn<QString>("pndo");
        QTest::addColumn<QString>("days");
        const QStringList allSources{"zdroj1", "zdroj2", "zdroj4", "zdroj8", "zdroj16", "zdroj32",
                                     "zdroj64", "zdroj128", "zdroj256", "zdroj512"};
        QTest::newRow("woman, ten days of incapacity")
            << Values{{"ZENA", "1"}, {"PNOD", date(2024, 3, 1)}, {"PNDO", date(2024, 3, 11)}, {"EXTERNI", "1"},
                      {"DRUHURAZU", "2"}}
            << QStringList{"zena", "externi1", "druh2", "pracovisteNe", "navykoveNe"}
            << QStringList{"muz", "externi2", "externi3", "externi4", "druh0", "druh1"} << "1.3.2024" << "11.3.2024"
            << "10";
        QTest::newRow("man, incapacity not ended")
            << Values{{"ZENA", "0"}, {"PNOD", date(2024, 3, 1)}, {"PNDO", noDate}, {"EXTERNI", "0"},
                      {"PRACOVISTE", "1"}, {"NAVYKOVELATKY", "1"}, {"DRUHURAZU", "0"}}
            << QStringList{"muz", "pracovisteAno", "navykoveAno", "druh0"}
            << QStringList{"zena", "externi1", "externi2", "externi3", "externi4", "pracovisteNe", "navykoveNe"}
            << "1.3.2024" << "" << "";
        QTest::newRow("other source only") << Values{{"ZDROJURAZU", "1024"}, {"PRICINAURAZU", "65"}}
                                           << QStringList{"zdroj1024", "pricina1", "pricina64"}
                                           << (allSources + QStringList{"pricina2", "pricina32"}) << "" << ""
                                           << "";
    }

    void registeredRecordMarksAndDays()
    {
        QFETCH(Values, values);
        QFETCH(QStringList, ticked);
        QFETCH(QStringList, empty);
        const PreparedDocument document = prepare(InjuryDocument::RegisteredRecord, values);
        QCOMPARE(document.pageCount(), 3);
        for (const QString &mark : ticked)
            QVERIFY2(checked(document, mark), qPrintable(mark));
        for (const QString &mark : empty)
            QVERIFY2(!checked(document, mark) && document.itemsNamed(mark).size() == 1, qPrintable(mark));
        QTEST(document.textOf("pnod"), "pnod");
        QTEST(document.textOf("pndo"), "pndo");
        QTEST(document.textOf("pndnu"), "days");
    }

    void registeredRecordTextsAndPages()
    {
        const PreparedDocument document =
            prepare(InjuryDocument::RegisteredRecord,
                    {{"JMENO", text("Eva")}, {"PRIJMENI", text("Malá")}, {"EVIDCISLO", text("R-5")},
                     {"DATUMUMRTI", noDate}, {"DATUMZAPISU", date(2024, 5, 20)}, {"ZAMJMENO", text("Ing. Dvořák")},
                     {"ZAMFUNKCE", text("technik BOZP")}, {"KODCZNACE", text("25")}, {"TEXTCZNACE", text("Kovovýroba")}});
        QCOMPARE(document.title, QString("Uraz registrovaný"));
        QCOMPARE(document.textOf("jmeno"), QString("Eva  Malá"));
        QCOMPARE(document.textOf("evidcislo"), QString("Evidenční číslo zaměstnavatele: R-5"));
        QCOMPARE(document.textOf("cznace"), QString("25 Kovovýroba"));
        QCOMPARE(document.textOf("datumumrti"), QString());
        QCOMPARE(document.textOf("podpispostizeny"), QString("20.5.2024, Malá Eva"));
        QCOMPARE(document.textOf("podpiszamestnavatel"), QString("20.5.2024, Ing. Dvořák"));
        QCOMPARE(document.textOf("zamfunkce"), QString("technik BOZP"));
        // One sheet per template page, each with its sheet number.
        QCOMPARE(document.textOf("list"), QString("list č. 1"));
        QCOMPARE(document.textOf("list2"), QString("list č. 2"));
        QCOMPARE(document.textOf("list3"), QString("list č. 3"));
        QVERIFY(document.pageTexts(0).contains("Údaje o úrazem postiženém zaměstnanci"));
        QVERIFY(document.pageTexts(1).contains("Údaje o úrazu:"));
        QVERIFY(document.pageTexts(2).contains("Vyjádření úrazem postiženého zaměstnance a svědků úrazu"));
    }

    void schoolRecord_data()
    {
        QTest::addColumn<int>("fatal");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("deathDate");
        QTest::newRow("not fatal") << 0 << "Ne" << "";
        QTest::newRow("fatal") << 1 << "Ano" << "7.6.2024";
    }

    void schoolRecord()
    {
        QFETCH(int, fatal);
        const PreparedDocument document =
            prepare(InjuryDocument::SchoolRecord,
                    {{"SMRTELNY", QString::number(fatal)}, {"DATUMUMRT", fatal ? date(2024, 6, 7) : noDate},
                     {"DATUMURAZ", date(2024, 6, 5)}, {"CASURAZ", "'10:35'"}, {"ZADOST", "1"}});
        QTEST(document.textOf("smrtelny"), "answer");
        QTEST(document.textOf("datumumrt"), "deathDate");
        QCOMPARE(document.textOf("zadost"), QString("Ano"));
        QCOMPARE(document.textOf("casuraz"), QString("10:35,"));
        QCOMPARE(document.textOf("den"), QString("5,"));
        QCOMPARE(document.textOf("mesic"), QString("6,"));
        QCOMPARE(document.textOf("rok"), QString("2024"));
    }

    void changeReport()
    {
        const PreparedDocument document =
            prepare(InjuryDocument::ChangeReport,
                    {{"HOSPITALIZACE", "1"}, {"PNOD", date(2024, 2, 27)}, {"PNDO", date(2024, 3, 2)},
                     {"DATUMUMRTI", noDate}, {"JMENO", text("Jan")}, {"PRIJMENI", text("Novák")}},
                    {{"JineZmeny", "Změna pracovní neschopnosti."}});
        QCOMPARE(document.pageCount(), 1);
        QVERIFY(checked(document, "hospitalizaceAno"));
        QVERIFY(!checked(document, "hospitalizaceNe"));
        QCOMPARE(document.textOf("pndnu"), QString("4"));  // across the end of a leap February
        QCOMPARE(document.textOf("datumumrti"), QString());
        QCOMPARE(document.textOf("jmeno"), QString("Jan  Novák"));
        QCOMPARE(document.textOf("jinezmeny"), QString("Změna pracovní neschopnosti."));
    }

    void longDescriptionFlowsOntoFurtherSheetsKeepingEveryCharacter()
    {
        QString memo;
        for (int i = 0; memo.size() < 20000; ++i)
            memo += QString("Řádek %1: \"uvozovky\", zpětné lomítko \\ a 'apostrof' – popis úrazového děje.%2")
                        .arg(i)
                        .arg(i % 7 == 0 ? "\r\n" : " ");
        memo.truncate(20000);
        const PreparedDocument document =
            prepare(InjuryDocument::BookEntry, {{"EVIDENCNICISLO", text("77")}},
                    {{"PopisDeje", memo}, {"Poznamka", "Poznámka za popisem."}});
        QVERIFY2(document.pageCount() >= 3, qPrintable(QString::number(document.pageCount())));
        QCOMPARE(document.textOf("popisdeje"), "   " + memo);
        // The page header repeats on every sheet, and what follows the
        // description comes after its last part.
        for (int page = 0; page < document.pageCount(); ++page)
            QVERIFY(document.pageTexts(page).contains(QString("List č. %1").arg(page + 1)));
        QCOMPARE(document.itemsNamed("nadpis").size(), document.pageCount());
        QCOMPARE(document.textOf("poznamka"), QString("   Poznámka za popisem."));
        // Every part stays inside its sheet.
        for (const PreparedPage &page : document.pages)
            for (const PreparedItem &item : page.items)
                QVERIFY2(item.rect.bottom() <= A4Height - 36 + 0.5,
                         qPrintable(QString("%1 %2 %3 %4").arg(item.name).arg(item.rect.top()).arg(item.rect.bottom()).arg(item.text.size())));
    }

    void rowThatNoLongerExistsPrintsOnlyTitleAndPageSections()
    {
        const PreparedDocument registered = PrepareStoredInjuryDocument(InjuryDocument::RegisteredRecord, db(), 999999);
        QCOMPARE(registered.pageCount(), 3);
        QCOMPARE(registered.pageTexts(0), QStringList({"list č. 1", "ZÁZNAM O ÚRAZU"}));
        QCOMPARE(registered.pageTexts(1), QStringList({"list č. 2"}));
        QCOMPARE(registered.pageTexts(2), QStringList({"list č. 3"}));
        const PreparedDocument book = PrepareStoredInjuryDocument(InjuryDocument::BookEntry, db(), 999999);
        QCOMPARE(book.pageCount(), 1);
        QCOMPARE(book.pageTexts(0),
                 QStringList({"List č. 1", "KNIHA ÚRAZŮ - EVIDOVANÝ ÚRAZ ZAMĚSTNANCE Č. "}));
    }

    void failingQueryReportsTheDatabaseError()
    {
        m_company->data->ZUserDataConnection.disconnect();
        m_company->data->ZUserDataConnection.settings.database = m_company->folder.file("missing/NONE.FDB");
        const QString error = ErrorOf([&] { PrepareStoredInjuryDocument(InjuryDocument::BookEntry, db(), 1); });
        QVERIFY2(!error.isEmpty(), "no error");
        m_company.reset();
        m_company = std::make_unique<OpenCompany>();
    }
};

// The blank forms need no database at all, so they run without one.
class BlankFormsTest : public QObject
{
    Q_OBJECT

private slots:
    void blankFormHasNoValueAndNoTick_data()
    {
        QTest::addColumn<InjuryDocument>("document");
        QTest::addColumn<int>("pages");
        QTest::newRow("book entry") << InjuryDocument::BookEntry << 1;
        QTest::newRow("registered record") << InjuryDocument::RegisteredRecord << 3;
        QTest::newRow("school record") << InjuryDocument::SchoolRecord << 1;
        QTest::newRow("report of changes") << InjuryDocument::ChangeReport << 1;
    }

    void blankFormHasNoValueAndNoTick()
    {
        QFETCH(InjuryDocument, document);
        QVERIFY(!TUrazData::instance());
        const PreparedDocument blank = PrepareBlankForm(document);
        QTEST(blank.pageCount(), "pages");
        QVERIFY(blank.title.isEmpty());
        int marks = 0;
        for (const PreparedPage &page : blank.pages) {
            for (const PreparedItem &item : page.items) {
                QVERIFY2(!item.checked, qPrintable(item.name));
                QVERIFY2(!item.text.contains('['), qPrintable(item.text));
                marks += item.kind == BoxKind::Mark;
            }
        }
        if (document == InjuryDocument::RegisteredRecord)
            QCOMPARE(marks, 3 + 2 + 2 + 4 + 11 + 7 + 2);
    }

    void blankBookEntryLeavesRoomForHandwriting()
    {
        const PreparedDocument blank = PrepareBlankForm(InjuryDocument::BookEntry);
        QCOMPARE(blank.textOf("list"), QString("List č. .............."));
        QCOMPARE(blank.textOf("nadpis"), QString("KNIHA ÚRAZŮ - EVIDOVANÝ ÚRAZ ZAMĚSTNANCE Č. ..........."));
        for (const char *yesNo : {"pravidelne", "lekar", "navykove"})
            QCOMPARE(blank.textOf(yesNo), QString("Ano          Ne"));
        for (const char *signature : {"podpispostizeny", "podpissvedek", "podpisodbory", "podpisprosetril"})
            QVERIFY(blank.textOf(signature).startsWith("......"));
        for (int kind = 1; kind <= 5; ++kind)
            QVERIFY(!blank.textOf(QString("druhurazu%1").arg(kind)).contains('>'));
        QCOMPARE(blank.textOf("jmeno").trimmed(), QString());
        QCOMPARE(blank.textOf("registdne"), QString());
        // The description box is taller than on the filled form.
        QVERIFY(blank.itemsNamed("popisdeje").first().rect.height() >= 160);
    }
};

TRELVO_TEST(InjuryDocumentsTest)
TRELVO_TEST(BlankFormsTest)

#include "InjuryDocumentsTest.moc"
