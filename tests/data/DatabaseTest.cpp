#include "DataFiles.h"
#include "Error.h"
#include "SqlLiteral.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "UrazData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

class DatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void firstStartCopiesBothTemplates()
    {
        OpenCompany company;
        const QString data = company.folder.path();
        QVERIFY(QFileInfo::exists(data + "TRELVOCOMMON.FDB"));
        QVERIFY(QFileInfo::exists(data + "Firm1/TRELVOFIRMA.FDB"));
        QVERIFY(company.data->ZCommonConnection.connected());
        QVERIFY(company.data->ZUserDataConnection.connected());
        // Private: the folder and the copies are the user's alone.
        QCOMPARE(QFileInfo(data).permissions() & (QFile::ReadGroup | QFile::ReadOther), QFileDevice::Permissions());
        QCOMPARE(QFileInfo(data + "Firm1/TRELVOFIRMA.FDB").permissions() & (QFile::ReadGroup | QFile::ReadOther),
                 QFileDevice::Permissions());
    }

    void companyTemplateHasEveryTable()
    {
        OpenCompany company;
        for (const char *table : {"URAZEVIDOVANY", "URAZREGISTROVANY", "URAZZMENY", "URAZZAKA", "ZAMESTNANCI",
                                  "STREDISKA", "KONTAKTY", "FIRMAINFO"})
            QCOMPARE(CountRows(company.company(), table), QString(table) == "FIRMAINFO" ? 1 : 0);
        QCOMPARE(company.company().select("SELECT ID FROM FIRMAINFO").integer(0, "ID"), 1);
        for (const char *table : {"OKEC", "CZNACE", "CZISCO", "PSC", "ZDRAVPOJ", "ZRANENI", "CASTITELA"})
            QVERIFY(CountRows(company.common(), table) >= 0);
        for (const char *table : {"URAZEVIDOVANY", "URAZREGISTROVANY", "URAZZAKA", "URAZZMENY", "STREDISKA"})
            QVERIFY(company.company().nextId(table) > 0);
    }

    void existingDatabasesAreNeverOverwritten()
    {
        OpenCompany company;
        const int shippedKinds = CountRows(company.common(), "ZRANENI");
        company.company().change([&] {
            company.company().execute("INSERT INTO ZAMESTNANCI (JMENO, PRIJMENI) VALUES ('Jan', 'Novák');");
        });
        company.common().change([&] { company.common().execute("INSERT INTO ZRANENI (NAZEV) VALUES ('Řezná rána');"); });
        company.data->ConnectDatabases("Firm1\\");
        QCOMPARE(CountRows(company.company(), "ZAMESTNANCI"), 1);
        QCOMPARE(CountRows(company.common(), "ZRANENI"), shippedKinds + 1);
    }

    void textsAreStoredByTheLiteralRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("apostrophe as typed") << "O'Brien" << "O'Brien";
        QTest::newRow("backslash doubled") << "C:\\Data" << "C:\\\\Data";
        QTest::newRow("double quote escaped") << "\"Pila\"" << "\\\"Pila\\\"";
        QTest::newRow("line break as backslash n") << "a\nb" << "a\\nb";
        QTest::newRow("colon and letters") << "Poznámka :Poznamka :x" << "Poznámka :Poznamka :x";
        QTest::newRow("path with backslash n") << "C:\\new\\tab" << "C:\\\\new\\\\tab";
        QTest::newRow("czech letters") << "Žluťoučký kůň úpěl ďábelské ódy" << "Žluťoučký kůň úpěl ďábelské ódy";
    }

    void textsAreStoredByTheLiteralRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        OpenCompany company;
        Connection &db = company.company();
        db.change([&] {
            db.execute(SqlFormat("INSERT INTO ZAMESTNANCI (PRIJMENI) VALUES ('%s');", {EscapeSqlText(typed)}));
        });
        const ResultSet rows = db.select("SELECT PRIJMENI FROM ZAMESTNANCI");
        QCOMPARE(rows.text(0, "PRIJMENI"), stored);
        QCOMPARE(UnescapeSqlText(rows.text(0, "PRIJMENI")), typed);
    }

    void memosTravelAsParameters()
    {
        OpenCompany company;
        Connection &db = company.company();
        const QString memo = QString("Řádek 1\r\nŘádek 2 s 'apostrofem', \"uvozovkami\" a \\ :Poznamka\n").repeated(500);
        const int id = db.nextId("URAZEVIDOVANY");
        db.change([&] {
            db.execute(SqlFormat("INSERT INTO URAZEVIDOVANY (ID, JMENO, POZNAMKA) VALUES (%d, '%s', :Poznamka);",
                                 {id, EscapeSqlText("Jiří")}),
                       {{"Poznamka", memo}});
        });
        const auto row = db.readRow("URAZEVIDOVANY", id);
        QVERIFY(row.has_value());
        QCOMPARE(row->text(0, "POZNAMKA"), memo);
        QCOMPARE(row->text(0, "JMENO"), QString("Jiří"));
    }

    void noDateReadsBackAsYearOne()
    {
        OpenCompany company;
        Connection &db = company.company();
        const int id = db.nextId("URAZEVIDOVANY");
        db.change([&] {
            db.execute(SqlFormat("INSERT INTO URAZEVIDOVANY (ID, REGISTDNE, DATUMURAZ, CASURAZ) VALUES (%d, '%s', '%s', '%s');",
                                 {id, SqlOptionalDate(false, QDate()), SqlDate(QDate(2024, 2, 29)), SqlTime(QTime(13, 45))}));
        });
        const auto row = db.readRow("URAZEVIDOVANY", id);
        QVERIFY(IsNoDate(row->date(0, "REGISTDNE")));
        QCOMPARE(DisplayDate(row->value(0, "REGISTDNE")), QString());
        QCOMPARE(row->date(0, "DATUMURAZ"), QDate(2024, 2, 29));
        QCOMPARE(row->time(0, "CASURAZ"), QTime(13, 45));
    }

    void databaseAssignsEmployeeAndContactIds()
    {
        OpenCompany company;
        Connection &db = company.company();
        db.change([&] {
            db.execute("INSERT INTO ZAMESTNANCI (PRIJMENI) VALUES ('A');");
            db.execute("INSERT INTO ZAMESTNANCI (PRIJMENI) VALUES ('B');");
            db.execute("INSERT INTO KONTAKTY (PRIJMENI) VALUES ('C');");
        });
        const ResultSet ids = db.select("SELECT ID FROM ZAMESTNANCI ORDER BY ID");
        QCOMPARE(ids.rowCount(), 2);
        QVERIFY(ids.integer(0, "ID") != ids.integer(1, "ID"));
        QVERIFY(db.select("SELECT ID FROM KONTAKTY").integer(0, "ID") > 0);
    }

    void failedStatementRollsBackTheWholeAction()
    {
        OpenCompany company;
        Connection &db = company.company();
        const int id = db.nextId("STREDISKA");
        const QString message = ErrorOf([&] {
            db.change([&] {
                db.execute(SqlFormat("INSERT INTO STREDISKA (ID, NAME) VALUES (%d, 'Sklad');", {id}));
                db.execute("INSERT INTO NEEXISTUJE (X) VALUES (1);");
                db.execute("INSERT INTO STREDISKA (ID, NAME) VALUES (999, 'Nikdy');");
            });
        });
        QVERIFY(message.startsWith("Databáze odmítla provést příkaz."));
        QVERIFY2(message.contains("NEEXISTUJE"), qPrintable(message));
        // A later, unrelated action commits: the failed action's first insert must not come with it.
        db.change([&] { db.execute("INSERT INTO KONTAKTY (PRIJMENI) VALUES ('X');"); });
        QCOMPARE(CountRows(db, "STREDISKA"), 0);
        // An identifier drawn for the failed insert is not used again.
        QCOMPARE(db.nextId("STREDISKA"), id + 1);
    }

    void bitSetsAreTestedWithBinAnd()
    {
        OpenCompany company;
        Connection &db = company.company();
        db.change([&] {
            for (int mask : {1 | 4, 4, 2, 512})
                db.execute(SqlFormat("INSERT INTO URAZEVIDOVANY (ID, ZDROJURAZU, IDZAMESTNANCE) VALUES (%d, %d, 147483647);",
                                     {db.nextId("URAZEVIDOVANY"), mask}));
        });
        QCOMPARE(db.select("SELECT COUNT(*) AS N FROM URAZEVIDOVANY WHERE BIN_AND(ZDROJURAZU, 4) <> 0").integer(0, "N"), 2);
        QCOMPARE(db.select("SELECT COUNT(*) AS N FROM URAZEVIDOVANY E JOIN ZAMESTNANCI Z ON Z.ID = E.IDZAMESTNANCE")
                     .integer(0, "N"), 0);
    }

    void czechNamesSortTheCzechWay()
    {
        OpenCompany company;
        Connection &db = company.company();
        db.change([&] {
            for (const char *name : {"Chalupa", "Čermák", "Cibulka", "Hora", "Šťastný", "Svoboda", "Zeman"})
                db.execute(SqlFormat("INSERT INTO ZAMESTNANCI (PRIJMENI) VALUES ('%s');", {QString(name)}));
        });
        QStringList order;
        const ResultSet rows = db.select("SELECT PRIJMENI FROM ZAMESTNANCI ORDER BY PRIJMENI");
        for (int i = 0; i < rows.rowCount(); ++i)
            order << rows.text(i, "PRIJMENI");
        QCOMPARE(order, QStringList({"Cibulka", "Čermák", "Hora", "Chalupa", "Svoboda", "Šťastný", "Zeman"}));
        QCOMPARE(db.select("SELECT UPPER(PRIJMENI) AS U FROM ZAMESTNANCI WHERE PRIJMENI = 'Šťastný'").text(0, "U"),
                 QString("ŠŤASTNÝ"));
    }

    void readRowOfAMissingRowGivesNothing()
    {
        OpenCompany company;
        QVERIFY(!company.company().readRow("URAZZMENY", 12345).has_value());
    }

    void missingTemplateIsReported()
    {
        TempDataFolder folder;
        QTemporaryDir emptyTemplates;
        TUrazData data(folder.path(), emptyTemplates.path());
        QDir().mkpath(folder.path() + "Firm1");
        const QString message = ErrorOf([&] { data.ConnectDatabases("Firm1\\"); });
        QVERIFY2(message.contains("TRELVOCOMMON.FDB") && message.contains("neexistuje")
                     && message.contains(QDir::toNativeSeparators(emptyTemplates.path())),
                 qPrintable(message));
        QVERIFY(!QFileInfo::exists(folder.path() + "TRELVOCOMMON.FDB"));
    }

    void brokenDatabaseIsReportedAndAnotherCanBeOpened()
    {
        TempDataFolder folder;
        TUrazData data;
        WriteFile(folder.path() + "Firm1/TRELVOFIRMA.FDB", QByteArray("this is not a database").repeated(100));
        const QString message = ErrorOf([&] { data.ConnectDatabases("Firm1\\"); });
        QVERIFY2(message.startsWith("Databázi \""), qPrintable(message));
        QVERIFY2(message.contains("Firm1/TRELVOFIRMA.FDB"), qPrintable(message));
        // The damaged file stays as it was, and another company still opens.
        QVERIFY(ReadFile(folder.path() + "Firm1/TRELVOFIRMA.FDB").startsWith("this is not"));
        QDir().mkpath(folder.path() + "Firm2");
        data.ConnectDatabases("Firm2\\");
        QVERIFY(data.ZUserDataConnection.connected());
    }

    void traceKeepsTheLastEventsAndWritesEachLine()
    {
        OpenCompany company;
        Connection &db = company.company();
        for (int i = 0; i < 1100; ++i)
            db.select(QString("SELECT %1 AS N FROM RDB$DATABASE").arg(i));
        const auto &events = company.data->trace.events();
        QCOMPARE(int(events.size()), SqlTrace::MaxTraceCount);
        QVERIFY(events.back().contains("SELECT 1099 AS N"));
        const QByteArray file = ReadFile(company.folder.path() + "SQLMONITOR.log");
        QVERIFY(file.contains("SELECT 0 AS N FROM RDB$DATABASE\r\n"));
        QVERIFY(file.contains("SELECT 1099 AS N FROM RDB$DATABASE\r\n"));
    }

    void unwritableTraceIsReportedOnceAndWorkGoesOn()
    {
        OpenCompany company;
        const QString traceFile = company.folder.path() + "SQLMONITOR.log";
        QFile::remove(traceFile);
        QDir().mkpath(traceFile);  // a folder where the file should be: it cannot be written
        QStringList reports;
        company.data->trace.onWriteFailure = [&](const QString &message) { reports << message; };
        Connection &db = company.company();
        db.change([&] { db.execute("INSERT INTO KONTAKTY (PRIJMENI) VALUES ('A');"); });
        db.change([&] { db.execute("INSERT INTO KONTAKTY (PRIJMENI) VALUES ('B');"); });
        QCOMPARE(CountRows(db, "KONTAKTY"), 2);
        QCOMPARE(reports.size(), 1);
        QVERIFY(reports.first().contains("SQLMONITOR.log"));
    }

    void dataFolderThatCannotBeCreatedIsNamed()
    {
        TempDataFolder folder;
        WriteFile(folder.path() + "blocker", "x");
        const QString wanted = folder.path() + "blocker/Trelvo/";
        const QString message = ErrorOf([&] { TUrazData data(wanted); });
        QVERIFY2(message.contains(QDir::toNativeSeparators(wanted)), qPrintable(message));
    }
};

TRELVO_TEST(DatabaseTest)
#include "DatabaseTest.moc"
