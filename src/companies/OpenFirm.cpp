#include "OpenFirm.h"

#include "Error.h"
#include "MessageBoxes.h"
#include "UrazData.h"

#include <QFileInfo>

FirmOpener::FirmOpener(TUrazData &data, OpenFirmTarget &target, QWidget *boxParent)
    : m_data(data), m_target(target), m_boxParent(boxParent), m_registry(data.dataFolder())
{
}

QString FirmOpener::openDatabasePath() const
{
    return m_open ? m_data.companyDatabasePath(m_currentFolder) : QString();
}

QString FirmOpener::CreateFirstFirm()
{
    const QString name = InputBox(m_boxParent, QStringLiteral("Před prvním spuštěním zadejte název firmy"),
                                  QStringLiteral("Zapište název firmy"));
    QWidget *parent = m_boxParent;
    return m_registry.CreateFirstFirm(name, [parent](const QString &question) { return Confirm(parent, question); });
}

QString FirmOpener::captionFor(const TFirm &firm, const FirmRegistry &registry, const QString &folder)
{
    return QStringLiteral("Trelvo - ") + firm.name + QStringLiteral(" (") + registry.folderPathForDisplay(folder)
           + QStringLiteral(")");
}

void FirmOpener::OpenFirm()
{
    m_target.setCardPreviewEnabled(false);
    try {
        QString folder = m_registry.lastFirmPath();
        if (folder.isEmpty()) {
            folder = CreateFirstFirm();
            m_registry.setLastFirmPath(folder);
        }
        if (!QFileInfo(m_data.companyFolderPath(folder)).isDir()) {
            folder = CreateFirstFirm();
            m_registry.setLastFirmPath(folder);
        }
        m_currentFolder = folder;

        const DatabaseServerSettings server = m_registry.databaseSettings();
        m_data.setDatabaseServer(server.protocol, server.hostName, server.user, server.password);

        m_open = false;
        m_data.ConnectDatabases(folder);
        m_open = true;

        m_target.reopenLists();

        TFirm firm;
        LoadFirm(firm, m_registry.firmIniPath(folder));
        m_target.setCompany(firm, captionFor(firm, m_registry, folder));
        m_target.refreshCardIndex();
        m_target.sizeInjuryGrids();
        m_target.setSchoolPageVisible(firm.schoolInjuries);
    } catch (...) {
        if (!m_open) {
            // Both connections may be closed now: the window shows no company
            // rather than the lists of one that is no longer open.
            m_target.clearCompany();
        }
        m_target.setCardPreviewEnabled(true);
        throw;
    }
    m_target.setCardPreviewEnabled(true);
    m_target.refreshDepartments();
}

void FirmOpener::ChangeFirm(const QString &folder)
{
    if (folder.isEmpty())
        return;
    m_registry.setLastFirmPath(folder);
    OpenFirm();
}
