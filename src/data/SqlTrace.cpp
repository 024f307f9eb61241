#include "SqlTrace.h"

#include "DataFiles.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

void SqlTrace::setFileName(const QString &fileName)
{
    m_fileName = fileName;
    m_failureReported = false;
}

void SqlTrace::log(const QString &kind, const QString &text)
{
    QString flat = text;
    flat.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '))
        .replace(QLatin1Char('\r'), QLatin1Char(' '));
    const QString line = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"))
        + QLatin1Char(' ') + kind + QStringLiteral(": ") + flat;
    m_events.push_back(line);
    while (m_events.size() > MaxTraceCount)
        m_events.pop_front();
    append(line);
}

void SqlTrace::append(const QString &line)
{
    if (m_fileName.isEmpty())
        return;
    QFile file(m_fileName);
    const bool isNew = !QFileInfo::exists(m_fileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (isNew)
            MakePrivate(m_fileName);
        const QByteArray bytes = line.toUtf8() + "\r\n";
        if (file.write(bytes) == bytes.size())
            return;
    }
    if (!m_failureReported) {
        m_failureReported = true;
        if (onWriteFailure)
            onWriteFailure(QStringLiteral("Do souboru záznamu databázových příkazů \"%1\" nelze zapisovat (%2). "
                                          "Program pracuje dál, záznam se nyní vede jen v paměti.")
                               .arg(m_fileName, file.errorString()));
    }
}
