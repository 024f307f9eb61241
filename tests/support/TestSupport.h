#pragma once

// Shared fixtures: a private temporary data folder per test case, and a data
// module opened on a fresh company made from the real templates.

#include "UrazData.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class TempDataFolder
{
public:
    TempDataFolder();
    ~TempDataFolder();
    // Ends with a separator.
    QString path() const;
    QString file(const QString &relative) const { return path() + relative; }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

// A data module with both databases of company folder "Firm1\" open.
struct OpenCompany
{
    TempDataFolder folder;
    std::unique_ptr<TUrazData> data;
    OpenCompany();
    Connection &company() { return data->ZUserDataConnection; }
    Connection &common() { return data->ZCommonConnection; }
};

// Writes bytes to a file, creating parent folders.
void WriteFile(const QString &path, const QByteArray &bytes);
QByteArray ReadFile(const QString &path);

// The message of the TrelvoError thrown by `action`, empty when none was.
QString ErrorOf(const std::function<void()> &action);
// The number of rows of a table.
int CountRows(Connection &connection, const QString &table);
