// Both databases of a company opened through a real Firebird server on the
// loopback address, as a company that outgrew one machine would use them.

#include "FirmRegistry.h"
#include "SqlLiteral.h"
#include "TestMain.h"
#include "TestSupport.h"
#include "UrazData.h"

class ServerTest : public QObject
{
    Q_OBJECT

private slots:
    void companyOpensThroughTheServer()
    {
        const QString host = qEnvironmentVariable("TRELVO_TEST_SERVER_HOST");
        if (host.isEmpty())
            QSKIP("TRELVO_TEST_SERVER_HOST is not set: no test server was started");

        TempDataFolder folder;
        WriteFile(folder.file("index.ini"),
                  QStringLiteral("[Database]\r\nprotocol=firebird-2.0\r\nhostname=%1\r\n").arg(host).toLatin1());
        FirmRegistry registry(folder.path());
        const QString firm = registry.CreateFirstFirm("Firma na serveru", {});
        const DatabaseServerSettings server = registry.databaseSettings();

        TUrazData data;
        data.setDatabaseServer(server.protocol, server.hostName, server.user, server.password);
        data.ConnectDatabases(firm);

        for (Connection *connection : {&data.ZCommonConnection, &data.ZUserDataConnection}) {
            QVERIFY(connection->settings.usesServer());
            const ResultSet protocol = connection->select(
                "SELECT MON$REMOTE_PROTOCOL AS P FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID = CURRENT_CONNECTION;");
            QVERIFY2(protocol.text(0, "P").startsWith("TCP"), qPrintable(protocol.text(0, "P")));
        }

        Connection &db = data.ZUserDataConnection;
        const int id = db.nextId("STREDISKA");
        db.change([&] {
            db.execute(SqlFormat("INSERT INTO STREDISKA (ID, NAME, STRED_ID, PARENTID, POZNAMKA) "
                                 "VALUES (%d, '%s', '%s', -1, :Poznamka);",
                                 {id, EscapeSqlText("Údržba a opravy"), "UDR"}),
                       {{"Poznamka", "Hala č. 2"}});
        });
        const auto row = db.readRow("STREDISKA", id);
        QVERIFY(row.has_value());
        QCOMPARE(row->text(0, "NAME"), QString("Údržba a opravy"));
        QCOMPARE(row->text(0, "POZNAMKA"), QString("Hala č. 2"));

        data.ZCommonConnection.change(
            [&] { data.ZCommonConnection.execute("INSERT INTO ZDRAVPOJ (KODZP, JMENO) VALUES ('999', 'Zkušební');"); });
        QCOMPARE(data.ZCommonConnection.select("SELECT JMENO FROM ZDRAVPOJ WHERE KODZP = '999'").text(0, "JMENO"),
                 QString("Zkušební"));
    }
};

TRELVO_TEST(ServerTest)
#include "ServerTest.moc"

TRELVO_TEST_MAIN
