#include "GuiTestSupport.h"
#include "SingleInstance.h"
#include "TestMain.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>

namespace {

// Every wait is bounded; children are killed when the test ends.
struct Program
{
    QProcess process;
    explicit Program(const QString &dataFolder)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TRELVO_DATA_DIR", dataFolder);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.setProgram(QCoreApplication::applicationDirPath() + "/trelvo");
        process.start();
    }
    ~Program()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
};

bool listening(const QString &name, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(200)) {
            probe.disconnectFromServer();
            return true;
        }
        QTest::qWait(100);
    }
    return false;
}

} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void secondStartHandsOverAndEnds_data()
    {
        QTest::addColumn<bool>("companyReady");
        QTest::newRow("company open") << true;
        // Without a company the first start is asking for its name in a modal box.
        QTest::newRow("first start showing the input box") << false;
    }
    void secondStartHandsOverAndEnds()
    {
        QFETCH(bool, companyReady);
        TempDataFolder folder;
        if (companyReady)
            WriteRegistry(folder, "Firm1\\", {"Běžící"});
        const QString name = SingleInstance::serverNameFor(folder.path());

        Program first(folder.path());
        QVERIFY(first.process.waitForStarted(10000));
        QVERIFY2(listening(name, 30000), "the first start does not listen");

        Program second(folder.path());
        QVERIFY(second.process.waitForStarted(10000));
        QVERIFY2(second.process.waitForFinished(20000), "the second start did not end");
        QCOMPARE(second.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.process.exitCode(), 0);

        // The running program stays as it was and still answers.
        QCOMPARE(first.process.state(), QProcess::Running);
        QVERIFY(SingleInstance(name).handOver(5000));
        QCOMPARE(first.process.state(), QProcess::Running);
    }

    void withoutARunningProgramNothingAnswers()
    {
        TempDataFolder folder;
        SingleInstance instance(SingleInstance::serverNameFor(folder.path()));
        QVERIFY(!instance.handOver(500));
        QVERIFY(instance.listen());
        bool asked = false;
        connect(&instance, &SingleInstance::activationRequested, this, [&] { asked = true; });
        // A client in this same process would block the server's event loop;
        // a second process plays the later start.
        Program later(folder.path());
        QVERIFY(later.process.waitForStarted(10000));
        QElapsedTimer timer;
        timer.start();
        while (later.process.state() != QProcess::NotRunning && timer.elapsed() < 20000)
            QTest::qWait(50);
        QVERIFY(asked);
        QCOMPARE(later.process.exitCode(), 0);
    }
};

TRELVO_TEST(SingleInstanceTest)
#include "SingleInstanceTest.moc"
