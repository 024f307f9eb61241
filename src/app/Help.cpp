#include "Help.h"

#include "MessageBoxes.h"

#include <QDesktopServices>
#include <QFile>
#include <QSaveFile>
#include <QUrl>

static void initHelpResource()
{
    // The page lives in a static library: its resource must be registered by hand.
    Q_INIT_RESOURCE(resources);
}

QString WriteHelpPage(const QString &folder)
{
    initHelpResource();
    QFile page(QStringLiteral(":/help/napoveda.html"));
    if (!page.open(QIODevice::ReadOnly))
        return QString();
    const QString path = folder + QStringLiteral("napoveda.html");
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(page.readAll()) < 0 || !out.commit())
        return QString();
    return path;
}

void OpenHelp(const QString &dataFolder)
{
    const QString path = WriteHelpPage(dataFolder);
    if (path.isEmpty()) {
        Notice(nullptr, QStringLiteral("Nápovědu se nepodařilo uložit do složky %1.").arg(dataFolder));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        Notice(nullptr, QStringLiteral("Nápovědu se nepodařilo otevřít v prohlížeči.\rNajdete ji v souboru %1.").arg(path));
}
