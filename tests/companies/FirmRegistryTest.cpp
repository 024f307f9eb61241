#include "Firm.h"
#include "FirmRegistry.h"
#include "ProfileFile.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "UrazData.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Answers the "folder found" question and remembers what was asked.
struct ScriptedAnswers
{
    QList<bool> answers;
    QStringList asked;
    AskYesNo ask()
    {
        return [this](const QString &question) {
            asked << question;
            return answers.isEmpty() ? false : answers.takeFirst();
        };
    }
};

} // namespace

class FirmRegistryTest : public QObject
{
    Q_OBJECT

private slots:
    void firstStartCreatesTheFirstCompany()
    {
        TempDataFolder folder;
        QDir(folder.path()).removeRecursively();  // not even the data folder exists yet
        FirmRegistry registry(folder.path());
        ScriptedAnswers answers;
        const QString first = registry.CreateFirstFirm("Stavby Novák", answers.ask());
        registry.setLastFirmPath(first);
        QCOMPARE(first, QString("Firm1\\"));
        QVERIFY(answers.asked.isEmpty());

        const ProfileFile index(folder.file("index.ini"));
        QCOMPARE(index.readString("Setup", "LastFirmPath"), QString("Firm1\\"));
        QCOMPARE(index.sectionKeys("Firmy"), QStringList({"path1"}));
        QCOMPARE(index.readString("Firmy", "path1"), QString("Firm1\\"));
        QCOMPARE(ProfileFile(folder.file("Firm1/Firm.ini")).readString("Firma", "Name"), QString("Stavby Novák"));
        QCOMPARE(registry.ListFirms(), QStringList({"Stavby Novák"}));

        TUrazData data;
        data.ConnectDatabases(first);
        QVERIFY(QFileInfo::exists(folder.file("Firm1/TRELVOFIRMA.FDB")));
        QVERIFY(QFileInfo::exists(folder.file("TRELVOCOMMON.FDB")));
    }

    void cancelledNameIsAccepted()
    {
        TempDataFolder folder;
        FirmRegistry registry(folder.path());
        QCOMPARE(registry.CreateFirstFirm(QString(), {}), QString("Firm1\\"));
        QCOMPARE(registry.ListFirms(), QStringList({""}));
    }

    void leftoverFolderIsOffered_data()
    {
        QTest::addColumn<bool>("useIt");
        QTest::addColumn<QString>("expected");
        QTest::newRow("yes takes Firm2") << true << "Firm2\\";
        QTest::newRow("no moves on to Firm3") << false << "Firm3\\";
    }

    void leftoverFolderIsOffered()
    {
        QFETCH(bool, useIt);
        QFETCH(QString, expected);
        TempDataFolder folder;
        FirmRegistry registry(folder.path());
        registry.CreateFirstFirm("První", {});
        WriteFile(folder.file("Firm2/TRELVOFIRMA.FDB"), "left behind");
        ScriptedAnswers answers{{useIt}, {}};
        QCOMPARE(registry.AddFirm("Druhá", answers.ask()), expected);
        QCOMPARE(answers.asked, QStringList({"Nalezen adresář se soubory " + QDir::toNativeSeparators(folder.path())
                                             + "Firm2, chcete jej použít?"}));
        QCOMPARE(registry.ListFirms(), QStringList({"První", "Druhá"}));
        // A folder that is taken keeps what it holds.
        QCOMPARE(ReadFile(folder.file("Firm2/TRELVOFIRMA.FDB")), QByteArray("left behind"));
    }

    void numbersSkipRegisteredKeysAndListKeepsFileOrder()
    {
        TempDataFolder folder;
        WriteFile(folder.file("index.ini"), "[Firmy]\r\npath3=Firm3\\\r\npath1=Firm1\\\r\n");
        WriteFile(folder.file("Firm1/Firm.ini"), "[Firma]\r\nName=Jedna\r\n");
        // Firm3 has no Firm.ini: it is listed by its position.
        FirmRegistry registry(folder.path());
        QCOMPARE(registry.ListFirms(), QStringList({"Firm1", "Jedna"}));
        QCOMPARE(registry.GetFirm(1)->folder, QString("Firm1\\"));
        QCOMPARE(registry.GetFirm(0)->name, QString("Firm1"));
        QVERIFY(!registry.GetFirm(2).has_value());
        QCOMPARE(registry.NextFirmNumber(1, {}), 2);
        QCOMPARE(registry.NextFirmNumber(3, {}), 4);
    }

    void renameKeepsOtherSettings()
    {
        TempDataFolder folder;
        FirmRegistry registry(folder.path());
        const QString firm = registry.CreateFirstFirm("Stará", {});
        ProfileFile(registry.firmIniPath(firm)).writeString("Firma", "ICO", "12345678");
        registry.RenameFirm(0, "Nová");
        QCOMPARE(registry.ListFirms(), QStringList({"Nová"}));
        QCOMPARE(ProfileFile(registry.firmIniPath(firm)).readString("Firma", "ICO"), QString("12345678"));
    }

    void firmRecordRoundTrip()
    {
        TempDataFolder folder;
        TFirm firm;
        firm.name = "Kovárna \"U Kovářů\"";
        firm.address = {"Praha", "110 00", "Dlouhá", "12"};
        firm.deliveryAddress = {"Brno", "602 00", "Krátká", "3a"};
        firm.ico = "12345678";
        firm.dic = "CZ12345678";
        firm.activityCode = "2511";
        firm.activityName = "Výroba kovových konstrukcí";
        firm.insurerName = "Všeobecná zdravotní pojišťovna";
        firm.insurerCode = "111";
        firm.schoolInjuries = true;
        firm.autoPersonalNumbers = false;
        firm.personalNumberStart = 100;
        firm.personalNumberDigits = 5;
        firm.personalNumberPrefix = " KV ";
        firm.contacts = {{"111", "222", "www.x.cz", "a@x.cz", "333", "Jan Černý", "ředitel"},
                         {"", "", "", "", "", "Eva", ""}};
        const QString path = folder.file("Firm.ini");
        SaveFirm(firm, path);

        TFirm back;
        LoadFirm(back, path);
        QCOMPARE(back.name, firm.name);
        QCOMPARE(back.personalNumberPrefix, QString(" KV "));
        QCOMPARE(back.deliveryAddress.houseNumber, QString("3a"));
        QCOMPARE(back.contacts.size(), 2);
        QCOMPARE(back.contacts[0].function, QString("ředitel"));
        QCOMPARE(back.contacts[1].name, QString("Eva"));
        QVERIFY(back.schoolInjuries && !back.autoPersonalNumbers);
        QCOMPARE(back.personalNumberDigits, 5);

        // Keys in the order the file has always had them.
        const QStringList keys = ProfileFile(path).sectionKeys("Firma");
        QCOMPARE(keys, QStringList({"Name", "OKECNUM", "OKECNAME", "ICO", "DIC", "Pojistovna", "PojistovnaNum", "Ulice",
                                    "CP", "PSC", "MESTO", "DUlice", "DCP", "DPSC", "DMesto", "SKUraz", "AutoOsC",
                                    "CountNumOsC", "StartNumOsC", "PrefixOsC"}));
        QVERIFY(ReadFile(path).contains("PrefixOsC=\" KV \"\r\n"));
    }

    void missingFirmIniGivesDefaults()
    {
        TempDataFolder folder;
        TFirm firm;
        firm.name = "x";
        LoadFirm(firm, folder.file("none/Firm.ini"));
        QCOMPARE(firm.name, QString());
        QVERIFY(firm.autoPersonalNumbers);
        QCOMPARE(firm.personalNumberDigits, 1);
        QCOMPARE(firm.personalNumberStart, 0);
        QVERIFY(!firm.schoolInjuries);
        QVERIFY(firm.contacts.isEmpty());
    }

    void removingWithFiles()
    {
        TempDataFolder folder;
        FirmRegistry registry(folder.path());
        registry.CreateFirstFirm("A", {});
        const QString second = registry.AddFirm("B", {});
        for (const char *old : {"ZAMEST.DBF", "UrazE.dbt", "Firm.ini"})
            WriteFile(folder.file(QString("Firm2/") + old), "old");
        WriteFile(folder.file("Firm2/TRELVOFIRMA.FDB"), "db");

        QCOMPARE(registry.RemoveFirmKey(1), std::optional<QString>(second));
        QCOMPARE(registry.ListFirms(), QStringList({"A"}));
        QVERIFY(registry.RemoveFirmFiles(second));
        QVERIFY(!QFileInfo::exists(folder.file("Firm2")));
        // The trash holds what was left, never the old files or Firm.ini.
    }

    void removingWithoutFilesLeavesTheFolderToBeOfferedAgain()
    {
        TempDataFolder folder;
        FirmRegistry registry(folder.path());
        registry.CreateFirstFirm("A", {});
        registry.AddFirm("B", {});
        registry.RemoveFirmKey(1);
        QVERIFY(QFileInfo::exists(folder.file("Firm2/Firm.ini")));
        ScriptedAnswers answers{{true}, {}};
        QCOMPARE(registry.AddFirm("C", answers.ask()), QString("Firm2\\"));
        QCOMPARE(answers.asked.size(), 1);
    }

    void theOpenCompanyIsNotMovedAway()
    {
        TempDataFolder folder;
        FirmRegistry registry(folder.path());
        const QString firm = registry.CreateFirstFirm("Otevřená", {});
        TUrazData data;
        data.ConnectDatabases(firm);
        registry.RemoveFirmKey(0);
        QVERIFY(!registry.RemoveFirmFiles(firm, data.ZUserDataConnection.settings.database));
        QVERIFY(QFileInfo::exists(folder.file("Firm1/TRELVOFIRMA.FDB")));
        QVERIFY(QFileInfo::exists(folder.file("Firm1/Firm.ini")));
        QVERIFY(data.ZUserDataConnection.connected());
        // LastFirmPath is left as it was.
        QCOMPARE(registry.lastFirmPath(), QString());
    }

    void databaseSettingsDefaultToEmbedded()
    {
        TempDataFolder folder;
        FirmRegistry registry(folder.path());
        QCOMPARE(registry.databaseSettings().protocol, QString("firebirdd-2.0"));
        WriteFile(folder.file("index.ini"), "[DATABASE]\r\nProtocol=firebird-2.0\r\nHostName=server/3051\r\n");
        const DatabaseServerSettings server = registry.databaseSettings();
        QCOMPARE(server.protocol, QString("firebird-2.0"));
        QCOMPARE(server.hostName, QString("server/3051"));
        QVERIFY(server.user.isEmpty());
    }
};

TRELVO_TEST(FirmRegistryTest)
#include "FirmRegistryTest.moc"
