#include "DataFiles.h"

#include "Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString withSeparator(QString path)
{
    path = QDir::fromNativeSeparators(path);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

QString DefaultDataFolder()
{
    const QString overridden = qEnvironmentVariable("TRELVO_DATA_DIR");
    if (!overridden.isEmpty())
        return withSeparator(QDir::cleanPath(QDir::current().absoluteFilePath(overridden)));
#ifdef Q_OS_WIN
    const QString base = qEnvironmentVariable("APPDATA");
#else
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
    return withSeparator(base) + QStringLiteral("Trelvo/");
}

QString DefaultTemplateFolder()
{
    const QString beside = withSeparator(QCoreApplication::applicationDirPath()) + QStringLiteral("Data/");
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = withSeparator(QCoreApplication::applicationDirPath())
        + QStringLiteral("../share/trelvo/Data/");
    if (QFileInfo::exists(installed))
        return withSeparator(QDir::cleanPath(installed));
    return beside;
}

QString NativeFolderName(const QString &registryFolderName)
{
    QString name = registryFolderName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name;
}

void EnsurePrivateFolder(const QString &path)
{
    QDir dir(path);
    if (!dir.exists() && !QDir().mkpath(path))
        throw TrelvoError(QStringLiteral("Složku \"%1\" nelze vytvořit. Zkontrolujte, zda máte do jejího umístění "
                                         "právo zápisu a zda je na disku místo.")
                              .arg(QDir::toNativeSeparators(path)));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void MakePrivate(const QString &path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

bool CopyIfMissing(const QString &from, const QString &to)
{
    if (QFileInfo::exists(to))
        return false;
    if (!QFile::copy(from, to))
        return false;
    MakePrivate(to);
    return true;
}
