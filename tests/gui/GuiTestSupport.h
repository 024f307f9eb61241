#pragma once

// Small helpers of the window tests: a registry written by hand, and the
// settings store kept away from the user's own.

#include "TestSupport.h"

#include <QStandardPaths>
#include <QString>

// index.ini naming `lastFolder`, and one company "Firm<n>" per name, with its
// Firm.ini (school setting as given).
inline void WriteRegistry(const TempDataFolder &folder, const QString &lastFolder, const QStringList &names,
                          bool school = false)
{
    QByteArray index = "[Setup]\r\nLastFirmPath=" + lastFolder.toUtf8() + "\r\n[Firmy]\r\n";
    for (int i = 0; i < names.size(); ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        index += "path" + n + "=Firm" + n + "\\\r\n";
        WriteFile(folder.file(QStringLiteral("Firm%1/Firm.ini").arg(i + 1)),
                  "[Firma]\r\nName=" + names[i].toLocal8Bit() + "\r\nSKUraz=" + (school ? "1" : "0") + "\r\n");
    }
    WriteFile(folder.file(QStringLiteral("index.ini")), index);
}
