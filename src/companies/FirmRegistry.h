#pragma once

// The registry of administered companies in "index.ini" of the data folder:
//
//   [Setup]    LastFirmPath=Firm1\        the company opened last
//   [Database] protocol=..., hostname=... (read only; put there by hand for a
//              server; optional user=, password= override the built-in login)
//   [Firmy]    path1=Firm1\, path3=Firm3\ one key per company, in list order
//
// Each company folder holds "Firm.ini" with the company's name and settings.
// Questions to the user are passed in, so the windows and the tests share
// this one implementation.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

inline const char *IndexIniFile = "index.ini";

// Asks a Yes/No question (captioned "Potvrzení") and gives the answer.
using AskYesNo = std::function<bool(const QString &question)>;

struct FirmEntry
{
    QString name;
    QString folder;  // as kept in "Firmy", e.g. "Firm2\"
};

struct DatabaseServerSettings
{
    QString protocol;
    QString hostName;
    QString user;
    QString password;
};

class FirmRegistry
{
public:
    // `dataFolder` ends with a separator.
    explicit FirmRegistry(const QString &dataFolder);

    QString dataFolder() const { return m_dataFolder; }
    QString indexPath() const;
    QString firmIniPath(const QString &folder) const;
    // The folder on disk, native separators, for showing to the user.
    QString folderPathForDisplay(const QString &folder) const;

    QString lastFirmPath() const;
    void setLastFirmPath(const QString &folder);
    DatabaseServerSettings databaseSettings() const;

    QStringList ListFirms() const;
    std::optional<FirmEntry> GetFirm(int position) const;

    // The first free company number from `start`. A folder "Firm<N>" left
    // behind is offered to the user; declining moves on to the next number.
    int NextFirmNumber(int start, const AskYesNo &askUseFolder) const;
    // Creates the folder (one level) and writes the name into its "Firm.ini".
    void CreateFirmFolder(const QString &name, const QString &folder) const;

    // Registers a new company with the next free number and makes its folder;
    // gives its folder name ("Firm<N>\"). Its database comes when first opened.
    QString AddFirm(const QString &name, const AskYesNo &askUseFolder) const;
    // First start: creates the data folder when missing, then adds the company.
    QString CreateFirstFirm(const QString &name, const AskYesNo &askUseFolder) const;
    // Gives the company at `position` a new name in its "Firm.ini".
    void RenameFirm(int position, const QString &name) const;
    // Deletes the key of the company at `position`; gives its folder name.
    std::optional<QString> RemoveFirmKey(int position) const;
    // Deletes the files of earlier versions and "Firm.ini" from the company
    // folder, then moves the rest with the folder to the trash. A folder that
    // holds `openDatabasePath` (the company that is open) is left untouched.
    // Returns false when the folder could not be removed.
    bool RemoveFirmFiles(const QString &folder, const QString &openDatabasePath = QString()) const;

private:
    QString folderPath(const QString &folder) const;
    QString pathKeyAt(int position) const;

    QString m_dataFolder;
};
