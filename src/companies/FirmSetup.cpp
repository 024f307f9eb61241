#include "FirmSetup.h"

#include "MessageBoxes.h"

FirmSetup::FirmSetup(const FirmRegistry &registry, QWidget *boxParent, const QString &openDatabasePath)
    : m_registry(registry), m_boxParent(boxParent), m_openDatabasePath(openDatabasePath)
{
}

bool FirmSetup::ask(const QString &question) const
{
    return Confirm(m_boxParent, question);
}

QString FirmSetup::pathForDisplay(const FirmEntry &entry) const
{
    return m_registry.folderPathForDisplay(entry.folder);
}

QString FirmSetup::addFirm(const QString &name) const
{
    if (name.isEmpty())
        return QString();
    return m_registry.AddFirm(name, [this](const QString &question) { return ask(question); });
}

bool FirmSetup::renameFirm(int position, const QString &name) const
{
    if (name.isEmpty() || !m_registry.GetFirm(position))
        return false;
    m_registry.RenameFirm(position, name);
    return true;
}

bool FirmSetup::removeFirm(int position, const QString &shownName) const
{
    if (!m_registry.GetFirm(position))
        return false;
    if (!ask(QStringLiteral("Opravdu odstranit firmu  \"%1\" ?").arg(shownName)))
        return false;
    const std::optional<QString> folder = m_registry.RemoveFirmKey(position);
    if (!folder)
        return false;
    if (ask(QStringLiteral("Odstranit databázové soubory ?"))
        && !m_registry.RemoveFirmFiles(*folder, m_openDatabasePath))
        Notice(m_boxParent, QStringLiteral("Adresář není prázdný, Nelze odstranit"));
    return true;
}
