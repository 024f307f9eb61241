#include "TestSupport.h"

#include "Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

TempDataFolder::TempDataFolder() : m_previous(qgetenv("TRELVO_DATA_DIR"))
{
    if (!m_dir.isValid())
        qFatal("cannot create a temporary folder");
    qputenv("TRELVO_DATA_DIR", m_dir.path().toUtf8());
}

TempDataFolder::~TempDataFolder()
{
    if (m_previous.isNull())
        qunsetenv("TRELVO_DATA_DIR");
    else
        qputenv("TRELVO_DATA_DIR", m_previous);
}

QString TempDataFolder::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

OpenCompany::OpenCompany()
{
    data = std::make_unique<TUrazData>();
    QDir().mkpath(folder.path() + QStringLiteral("Firm1"));
    data->ConnectDatabases(QStringLiteral("Firm1\\"));
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QString ErrorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const TrelvoError &error) {
        return error.message();
    }
    return QString();
}

int CountRows(Connection &connection, const QString &table)
{
    return connection.select(QStringLiteral("SELECT COUNT(*) AS N FROM %1").arg(table)).integer(0, QStringLiteral("N"));
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// ------------------------------------------------------------ test registry

#include "TestMain.h"

QList<TestFactory> &RegisteredTests()
{
    static QList<TestFactory> tests;
    return tests;
}

int RunRegisteredTests(int argc, char *argv[])
{
    int failed = 0;
    for (const TestFactory &factory : RegisteredTests()) {
        std::unique_ptr<QObject> test = factory();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
