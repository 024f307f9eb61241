#pragma once

// What the setup window does with the company registry: adding, renaming and
// removing companies, with the questions asked through the message module.

#include "FirmRegistry.h"

#include <QString>
#include <QStringList>

class QWidget;

class FirmSetup
{
public:
    // `openDatabasePath` is the database of the company open in the main
    // window (empty when none): its folder is never moved away.
    FirmSetup(const FirmRegistry &registry, QWidget *boxParent, const QString &openDatabasePath);

    QStringList names() const { return m_registry.ListFirms(); }
    // Name and folder path (for showing) of the company at `position`.
    std::optional<FirmEntry> entry(int position) const { return m_registry.GetFirm(position); }
    QString pathForDisplay(const FirmEntry &entry) const;

    // Registers a company under `name`; an empty name does nothing. A folder
    // left over under the next number is offered for use. Gives the new
    // company's folder name, or an empty text when nothing was added.
    QString addFirm(const QString &name) const;
    // Writes a new name for the company at `position`; an empty name does nothing.
    bool renameFirm(int position, const QString &name) const;
    // Asks, then deletes the company's key and (when asked to) its files.
    // Gives true when the key was removed.
    bool removeFirm(int position, const QString &shownName) const;

private:
    bool ask(const QString &question) const;

    const FirmRegistry &m_registry;
    QWidget *m_boxParent;
    QString m_openDatabasePath;
};
