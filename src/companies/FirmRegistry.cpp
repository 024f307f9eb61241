#include "FirmRegistry.h"

#include "DataFiles.h"
#include "Firm.h"
#include "ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString Setup = QStringLiteral("Setup");
const QString Database = QStringLiteral("Database");
const QString Firmy = QStringLiteral("Firmy");

QString pathKey(int number)
{
    return QStringLiteral("path%1").arg(number);
}

QString folderName(int number)
{
    return QStringLiteral("Firm%1\\").arg(number);
}

// Files of earlier versions and the settings file, deleted before the folder goes to the trash.
const QStringList OldFirmFiles = {
    QStringLiteral("skuraz.dbf"), QStringLiteral("StrediskaDB.dbf"), QStringLiteral("UrazE.dbf"),
    QStringLiteral("UrazR.dbf"), QStringLiteral("Zamest.dbf"), QStringLiteral("SKUraz.dbt"),
    QStringLiteral("StrediskaDB.dbt"), QStringLiteral("UrazE.dbt"), QStringLiteral("UrazR.dbt"),
    QStringLiteral("Zamest.dbt"), QStringLiteral("Firm.ini"),
};

} // namespace

FirmRegistry::FirmRegistry(const QString &dataFolder) : m_dataFolder(dataFolder)
{
    if (!m_dataFolder.endsWith(QLatin1Char('/')))
        m_dataFolder += QLatin1Char('/');
}

QString FirmRegistry::indexPath() const
{
    return m_dataFolder + QLatin1String(IndexIniFile);
}

QString FirmRegistry::folderPath(const QString &folder) const
{
    return m_dataFolder + NativeFolderName(folder);
}

QString FirmRegistry::firmIniPath(const QString &folder) const
{
    QString path = folderPath(folder);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + QLatin1String(FirmIniFile);
}

QString FirmRegistry::folderPathForDisplay(const QString &folder) const
{
    return QDir::toNativeSeparators(folderPath(folder));
}

QString FirmRegistry::lastFirmPath() const
{
    return ProfileFile(indexPath()).readString(Setup, QStringLiteral("LastFirmPath"));
}

void FirmRegistry::setLastFirmPath(const QString &folder)
{
    ProfileFile(indexPath()).writeString(Setup, QStringLiteral("LastFirmPath"), folder);
}

DatabaseServerSettings FirmRegistry::databaseSettings() const
{
    const ProfileFile ini(indexPath());
    return {ini.readString(Database, QStringLiteral("protocol"), QString::fromLatin1("firebirdd-2.0")),
            ini.readString(Database, QStringLiteral("hostname")),
            ini.readString(Database, QStringLiteral("user")),
            ini.readString(Database, QStringLiteral("password"))};
}

QString FirmRegistry::pathKeyAt(int position) const
{
    const QStringList keys = ProfileFile(indexPath()).sectionKeys(Firmy);
    return position >= 0 && position < keys.size() ? keys.at(position) : QString();
}

QStringList FirmRegistry::ListFirms() const
{
    const ProfileFile index(indexPath());
    QStringList names;
    const QStringList keys = index.sectionKeys(Firmy);
    for (int i = 0; i < keys.size(); ++i) {
        const QString folder = index.readString(Firmy, keys.at(i));
        names << ProfileFile(firmIniPath(folder))
                     .readString(QStringLiteral("Firma"), QStringLiteral("Name"), QStringLiteral("Firm%1").arg(i + 1));
    }
    return names;
}

std::optional<FirmEntry> FirmRegistry::GetFirm(int position) const
{
    const QString key = pathKeyAt(position);
    if (key.isEmpty())
        return std::nullopt;
    FirmEntry entry;
    entry.folder = ProfileFile(indexPath()).readString(Firmy, key);
    entry.name = ProfileFile(firmIniPath(entry.folder))
                     .readString(QStringLiteral("Firma"), QStringLiteral("Name"),
                                 QStringLiteral("Firm%1").arg(position + 1));
    return entry;
}

int FirmRegistry::NextFirmNumber(int start, const AskYesNo &askUseFolder) const
{
    const ProfileFile index(indexPath());
    for (int n = start;; ++n) {
        if (index.keyExists(Firmy, pathKey(n)))
            continue;
        const QString folder = m_dataFolder + QStringLiteral("Firm%1").arg(n);
        if (!QFileInfo(folder).isDir())
            return n;
        const QString question = QStringLiteral("Nalezen adresář se soubory %1Firm%2, chcete jej použít?")
                                     .arg(QDir::toNativeSeparators(m_dataFolder))
                                     .arg(n);
        if (askUseFolder && askUseFolder(question))
            return n;
    }
}

void FirmRegistry::CreateFirmFolder(const QString &name, const QString &folder) const
{
    EnsurePrivateFolder(folderPath(folder));
    ProfileFile(firmIniPath(folder)).writeString(QStringLiteral("Firma"), QStringLiteral("Name"), name);
}

QString FirmRegistry::AddFirm(const QString &name, const AskYesNo &askUseFolder) const
{
    const int n = NextFirmNumber(1, askUseFolder);
    ProfileFile(indexPath()).writeString(Firmy, pathKey(n), folderName(n));
    CreateFirmFolder(name, folderName(n));
    return folderName(n);
}

QString FirmRegistry::CreateFirstFirm(const QString &name, const AskYesNo &askUseFolder) const
{
    EnsurePrivateFolder(m_dataFolder);
    return AddFirm(name, askUseFolder);
}

void FirmRegistry::RenameFirm(int position, const QString &name) const
{
    if (const auto entry = GetFirm(position))
        CreateFirmFolder(name, entry->folder);
}

std::optional<QString> FirmRegistry::RemoveFirmKey(int position) const
{
    const QString key = pathKeyAt(position);
    if (key.isEmpty())
        return std::nullopt;
    ProfileFile index(indexPath());
    const QString folder = index.readString(Firmy, key);
    index.deleteKey(Firmy, key);
    return folder;
}

bool FirmRegistry::RemoveFirmFiles(const QString &folder, const QString &openDatabasePath) const
{
    const QString path = QDir::cleanPath(folderPath(folder));
    QDir dir(path);
    if (!dir.exists())
        return false;
    // The open company's database is in use: on this system moving it would
    // succeed under the running program, so the folder is refused instead.
    if (!openDatabasePath.isEmpty()
        && QFileInfo(openDatabasePath).absolutePath() == QFileInfo(path).absoluteFilePath())
        return false;

    // Folders copied from Windows may spell the old files in another case.
    for (const QString &entry : dir.entryList(QDir::Files | QDir::Hidden)) {
        for (const QString &old : OldFirmFiles)
            if (entry.compare(old, Qt::CaseInsensitive) == 0)
                QFile::remove(dir.filePath(entry));
    }
    return QFile::moveToTrash(path);
}
