#include "ProfileFile.h"

#include "DataFiles.h"
#include "Error.h"
#include "Windows1250.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE)(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE)(bytes.mid(2));
    if (LooksLikeUtf8(bytes))
        return QString::fromUtf8(bytes);
    return FromWindows1250(bytes);
}

// The name inside "[...]", or a null string when the line is no section header.
QString sectionName(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1Char('[')))
        return QString();
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0)
        return QString();
    return trimmed.mid(1, close - 1).trimmed();
}

bool isComment(const QString &line)
{
    return line.trimmed().startsWith(QLatin1Char(';'));
}

QString keyOf(const QString &line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0 || isComment(line))
        return QString();
    return line.left(eq).trimmed();
}

QString valueOf(const QString &line)
{
    QString value = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    return value;
}

bool parseInteger(QString text, int &value)
{
    text = text.trimmed();
    bool ok = false;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) && text.size() > 2)
        value = text.mid(2).toInt(&ok, 16);
    else
        value = text.toInt(&ok, 10);
    return ok;
}

} // namespace

ProfileFile::ProfileFile(const QString &path) : m_path(path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;  // a missing or unreadable file reads as empty: every key has its default
    QString text = decode(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_lines = text.split(QLatin1Char('\n'));
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
}

bool ProfileFile::exists() const
{
    return QFileInfo::exists(m_path);
}

ProfileFile::Span ProfileFile::findSection(const QString &section) const
{
    Span span;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QString name = sectionName(m_lines.at(i));
        if (name.isNull())
            continue;
        if (span.header >= 0) {
            span.end = i;
            return span;
        }
        if (name.compare(section, Qt::CaseInsensitive) == 0)
            span.header = i;
    }
    span.end = m_lines.size();
    return span;
}

qsizetype ProfileFile::findKey(const Span &span, const QString &key) const
{
    if (span.header < 0)
        return -1;
    for (qsizetype i = span.header + 1; i < span.end; ++i)
        if (keyOf(m_lines.at(i)).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString ProfileFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const qsizetype line = findKey(findSection(section), key);
    return line < 0 ? defaultValue : valueOf(m_lines.at(line));
}

int ProfileFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    int value = 0;
    return parseInteger(readString(section, key), value) ? value : defaultValue;
}

bool ProfileFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool ProfileFile::keyExists(const QString &section, const QString &key) const
{
    return findKey(findSection(section), key) >= 0;
}

QStringList ProfileFile::sectionKeys(const QString &section) const
{
    QStringList keys;
    const Span span = findSection(section);
    if (span.header < 0)
        return keys;
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const QString key = keyOf(m_lines.at(i));
        if (!key.isEmpty())
            keys << key;
    }
    return keys;
}

void ProfileFile::setLine(const QString &section, const QString &key, const QString &line)
{
    Span span = findSection(section);
    if (span.header < 0) {
        m_lines << QLatin1Char('[') + section + QLatin1Char(']');
        span.header = m_lines.size() - 1;
        span.end = m_lines.size();
    }
    const qsizetype existing = findKey(span, key);
    if (existing >= 0) {
        m_lines[existing] = line;
    } else {
        // After the section's last non-empty line, so blank separators stay between sections.
        qsizetype at = span.end;
        while (at > span.header + 1 && m_lines.at(at - 1).trimmed().isEmpty())
            --at;
        m_lines.insert(at, line);
    }
    flush();
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    setLine(section, key, key + QLatin1Char('=') + value);
}

void ProfileFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void ProfileFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void ProfileFile::deleteKey(const QString &section, const QString &key)
{
    const qsizetype line = findKey(findSection(section), key);
    if (line < 0)
        return;
    m_lines.removeAt(line);
    flush();
}

void ProfileFile::flush()
{
    QSaveFile file(m_path);
    QByteArray bytes;
    for (const QString &line : std::as_const(m_lines))
        bytes += ToWindows1250(line) + "\r\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TrelvoError(QStringLiteral("Soubor \"%1\" nelze zapsat: %2").arg(m_path, file.errorString()));
    MakePrivate(m_path);
}
