#pragma once

// The data module: the two database connections for the whole run, the data
// and template folders, and the SQL trace.
//
//  - ZCommonConnection: the common database with the code lists, shared by all
//    companies (data folder + "TRELVOCOMMON.FDB").
//  - ZUserDataConnection: the open company's database (data folder + company
//    folder + "TRELVOFIRMA.FDB").

#include "Connection.h"
#include "SqlTrace.h"

#include <QString>

#include <functional>

inline const char *CommonDatabaseFile = "TRELVOCOMMON.FDB";
inline const char *CompanyDatabaseFile = "TRELVOFIRMA.FDB";
inline const char *BlankCompanyTemplateFile = "BLANKFIRMA.FDB";
inline const char *TraceFile = "SQLMONITOR.log";

class TUrazData
{
public:
    // Folders end with a separator. Creating the data module creates the data
    // folder (owner-only) and starts the trace file in it.
    explicit TUrazData(const QString &dataFolder = QString(), const QString &templateFolder = QString());
    ~TUrazData();
    TUrazData(const TUrazData &) = delete;
    TUrazData &operator=(const TUrazData &) = delete;

    // The one data module of the running program (the last one created).
    static TUrazData *instance();

    QString dataFolder() const { return m_dataFolder; }
    QString templateFolder() const { return m_templateFolder; }
    QString commonDatabasePath() const;
    // `companyFolder` as the registry keeps it, e.g. "Firm1\".
    QString companyFolderPath(const QString &companyFolder) const;
    QString companyDatabasePath(const QString &companyFolder) const;

    // Puts the protocol and host (and, for a server, optional credentials)
    // into both connections. Empty user or password keep the built-in ones.
    void setDatabaseServer(const QString &protocol, const QString &hostName,
                           const QString &user = QString(), const QString &password = QString());

    // (Re)opens both connections for a company folder, copying a template
    // where a database file does not exist yet (never overwriting one).
    void ConnectDatabases(const QString &companyFolder);

    // Called at the end of ConnectDatabases, once both databases are open; the
    // main window opens its injury book list here.
    std::function<void()> onCompanyConnected;

    SqlTrace trace;
    Connection ZCommonConnection;
    Connection ZUserDataConnection;

private:
    void connectFromTemplate(Connection &connection, const QString &templateFile, const QString &database);

    QString m_dataFolder;
    QString m_templateFolder;
};
