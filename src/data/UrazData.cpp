#include "UrazData.h"

#include "DataFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

TUrazData *currentDataModule = nullptr;

QString uniqueName(const char *role, const void *owner)
{
    return QStringLiteral("%1-%2").arg(QLatin1String(role)).arg(quintptr(owner), 0, 16);
}

} // namespace

TUrazData::TUrazData(const QString &dataFolder, const QString &templateFolder)
    : ZCommonConnection(uniqueName("common", this), &trace),
      ZUserDataConnection(uniqueName("company", this), &trace),
      m_dataFolder(dataFolder.isEmpty() ? DefaultDataFolder() : dataFolder),
      m_templateFolder(templateFolder.isEmpty() ? DefaultTemplateFolder() : templateFolder)
{
    if (!m_dataFolder.endsWith(QLatin1Char('/')))
        m_dataFolder += QLatin1Char('/');
    if (!m_templateFolder.endsWith(QLatin1Char('/')))
        m_templateFolder += QLatin1Char('/');
    EnsurePrivateFolder(m_dataFolder);
    trace.setFileName(m_dataFolder + QLatin1String(TraceFile));
    currentDataModule = this;
}

TUrazData::~TUrazData()
{
    ZUserDataConnection.disconnect();
    ZCommonConnection.disconnect();
    if (currentDataModule == this)
        currentDataModule = nullptr;
}

TUrazData *TUrazData::instance()
{
    return currentDataModule;
}

QString TUrazData::commonDatabasePath() const
{
    return m_dataFolder + QLatin1String(CommonDatabaseFile);
}

QString TUrazData::companyFolderPath(const QString &companyFolder) const
{
    return m_dataFolder + NativeFolderName(companyFolder);
}

QString TUrazData::companyDatabasePath(const QString &companyFolder) const
{
    QString folder = companyFolderPath(companyFolder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + QLatin1String(CompanyDatabaseFile);
}

void TUrazData::setDatabaseServer(const QString &protocol, const QString &hostName, const QString &user,
                                  const QString &password)
{
    for (Connection *connection : {&ZCommonConnection, &ZUserDataConnection}) {
        connection->settings.protocol = protocol.isEmpty() ? QString::fromLatin1(EmbeddedProtocol) : protocol;
        connection->settings.hostName = hostName;
        connection->settings.user = user.isEmpty() ? ConnectionSettings().user : user;
        connection->settings.password = password.isEmpty() ? ConnectionSettings().password : password;
    }
}

void TUrazData::connectFromTemplate(Connection &connection, const QString &templateFile, const QString &database)
{
    connection.disconnect();
    const QString templatePath = m_templateFolder + templateFile;
    CopyIfMissing(templatePath, database);
    connection.settings.database = database;
    // On a server the path is the server's, so only the embedded engine can tell a missing file here.
    if (!connection.settings.usesServer() && !QFileInfo::exists(database))
        throw TrelvoError(QStringLiteral("Databáze \"%1\" neexistuje a nepodařilo se ji vytvořit ze šablony \"%2\" "
                                         "(šablona chybí nebo ji nelze přečíst, nebo do složky nelze zapisovat).")
                              .arg(QDir::toNativeSeparators(database), QDir::toNativeSeparators(templatePath)));
    connection.connect();
}

void TUrazData::ConnectDatabases(const QString &companyFolder)
{
    connectFromTemplate(ZCommonConnection, QLatin1String(CommonDatabaseFile), commonDatabasePath());
    connectFromTemplate(ZUserDataConnection, QLatin1String(BlankCompanyTemplateFile), companyDatabasePath(companyFolder));

    if (onCompanyConnected)
        onCompanyConnected();
}
