#include "CodeListImport.h"

#include "Connection.h"
#include "SqlLiteral.h"
#include "Windows1250.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>

namespace {

[[noreturn]] void fail(const QString &message)
{
    throw TrelvoError(message);
}

[[noreturn]] void failAt(int line, const QString &message)
{
    throw TrelvoError(QStringLiteral("Řádek %1: %2").arg(line).arg(message));
}

// Header names compared without case, diacritics, quotes and extra blanks.
QString headerKey(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString key;
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        key += c == QLatin1Char('_') ? QLatin1Char(' ') : c.toUpper();
    }
    return key.simplified();
}

QString decode(const QByteArray &bytes, QString &encoding)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        encoding = QStringLiteral("UTF-8");
        return QString::fromUtf8(bytes.mid(3));
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        encoding = QStringLiteral("UTF-16");
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        const QString text = decoder(bytes.mid(2));
        if (decoder.hasError())
            fail(QStringLiteral("Soubor není platný text v kódování UTF-16."));
        return text;
    }
    // Anything but text (a spreadsheet, an archive, a picture) holds control
    // bytes that no CSV file has.
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar c = uchar(bytes.at(i));
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && !(c == 0x1A && i == bytes.size() - 1))
            fail(QStringLiteral("Soubor není textový soubor CSV (obsahuje binární data; může to být třeba sešit "
                                "Excelu). Uložte seznam jako CSV a zkuste to znovu."));
    }
    if (LooksLikeUtf8(bytes)) {
        encoding = QStringLiteral("UTF-8");
        return QString::fromUtf8(bytes);
    }
    encoding = QStringLiteral("Windows-1250");
    return FromWindows1250(bytes);
}

// Splits one line at the delimiter, with fields in double quotes ("" inside
// stands for one quote).
QStringList splitLine(const QString &line, QChar delimiter, int lineNumber)
{
    QStringList fields;
    QString field;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        field.clear();
        if (i < n && line.at(i) == QLatin1Char('"')) {
            ++i;
            bool closed = false;
            while (i < n) {
                if (line.at(i) == QLatin1Char('"')) {
                    if (i + 1 < n && line.at(i + 1) == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                field += line.at(i++);
            }
            if (!closed)
                failAt(lineNumber, QStringLiteral("uvozovky pole nejsou uzavřeny."));
            if (i < n && line.at(i) != delimiter)
                failAt(lineNumber, QStringLiteral("za uzavírací uvozovkou nenásleduje oddělovač."));
        } else {
            while (i < n && line.at(i) != delimiter)
                field += line.at(i++);
        }
        fields << field;
        if (i >= n)
            break;
        ++i;  // the delimiter
    }
    return fields;
}

int countOutsideQuotes(const QString &line, QChar c)
{
    int count = 0;
    bool quoted = false;
    for (const QChar ch : line) {
        if (ch == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && ch == c)
            ++count;
    }
    return count;
}

QChar detectDelimiter(const QString &header)
{
    QChar best;
    int bestCount = 0;
    for (const QChar candidate : {QLatin1Char(';'), QLatin1Char('\t'), QLatin1Char(','), QLatin1Char('|')}) {
        const int count = countOutsideQuotes(header, candidate);
        if (count > bestCount) {
            best = candidate;
            bestCount = count;
        }
    }
    return best;
}

QString delimiterName(QChar delimiter)
{
    if (delimiter == QLatin1Char(';')) return QStringLiteral("středník");
    if (delimiter == QLatin1Char(',')) return QStringLiteral("čárka");
    if (delimiter == QLatin1Char('\t')) return QStringLiteral("tabulátor");
    return QStringLiteral("„%1“").arg(delimiter);
}

int findColumn(const QStringList &keys, const QStringList &names)
{
    for (const QString &name : names) {
        const int index = int(keys.indexOf(name));
        if (index >= 0)
            return index;
    }
    return -1;
}

bool representable(const QString &text)
{
    return FromWindows1250(ToWindows1250(text)) == text;
}

QString withoutBlanks(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (!c.isSpace())
            out += c;
    }
    return out;
}

QString kindOfCode(ImportTarget target)
{
    switch (target) {
    case ImportTarget::CzNace: return QStringLiteral("kód CZ-NACE");
    case ImportTarget::CzIsco: return QStringLiteral("kód CZ-ISCO");
    case ImportTarget::Okec: return QStringLiteral("kód OKEČ");
    case ImportTarget::Psc: return QStringLiteral("PSČ");
    }
    return QString();
}

} // namespace

const QList<ImportTargetInfo> &ImportTargets()
{
    static const QList<ImportTargetInfo> targets = {
        {ImportTarget::CzNace, QStringLiteral("CZ-NACE"), QStringLiteral("CZNACE"),
         {QStringLiteral("KODCZNACE"), QStringLiteral("NAZEV")}, {QStringLiteral("Kód"), QStringLiteral("Název")}},
        {ImportTarget::CzIsco, QStringLiteral("CZ-ISCO"), QStringLiteral("CZISCO"),
         {QStringLiteral("KODCZISCO"), QStringLiteral("NAZEV")}, {QStringLiteral("Kód"), QStringLiteral("Název")}},
        {ImportTarget::Okec, QStringLiteral("OKEČ"), QStringLiteral("OKEC"),
         {QStringLiteral("KODOKEC"), QStringLiteral("NAZEV")}, {QStringLiteral("Kód"), QStringLiteral("Název")}},
        {ImportTarget::Psc, QStringLiteral("PSČ"), QStringLiteral("PSC"),
         {QStringLiteral("PSC"), QStringLiteral("OBEC"), QStringLiteral("POSTA"), QStringLiteral("OKRES")},
         {QStringLiteral("PSČ"), QStringLiteral("Obec"), QStringLiteral("Pošta"), QStringLiteral("Okres")}},
    };
    return targets;
}

const ImportTargetInfo &TargetInfo(ImportTarget target)
{
    for (const ImportTargetInfo &info : ImportTargets()) {
        if (info.target == target)
            return info;
    }
    return ImportTargets().first();
}

QMap<QString, int> ColumnWidths(Connection &connection, const QString &table)
{
    const ResultSet result = connection.select(
        SqlFormat(QStringLiteral("SELECT TRIM(RF.RDB$FIELD_NAME) AS FIELDNAME, F.RDB$CHARACTER_LENGTH AS CHARS "
                                 "FROM RDB$RELATION_FIELDS RF JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = RF.RDB$FIELD_SOURCE "
                                 "WHERE RF.RDB$RELATION_NAME = '%s';"),
                  {EscapeSqlText(table)}));
    QMap<QString, int> widths;
    for (int i = 0; i < result.rowCount(); ++i) {
        if (!result.value(i, QStringLiteral("CHARS")).isNull())
            widths.insert(result.text(i, QStringLiteral("FIELDNAME")).trimmed(), result.integer(i, QStringLiteral("CHARS")));
    }
    if (widths.isEmpty())
        fail(QStringLiteral("V databázi číselníků chybí tabulka %1.").arg(table));
    return widths;
}

QString NormaliseCode(ImportTarget target, const QString &text)
{
    QString code = withoutBlanks(text);
    switch (target) {
    case ImportTarget::CzNace:
    case ImportTarget::CzIsco:
        code.remove(QLatin1Char('.'));
        for (const QChar c : code) {
            if (!c.isDigit() || c.unicode() > '9')
                return QString();
        }
        return code;
    case ImportTarget::Okec: {
        // The OKEČ tree steps by two characters, which the dotted form gives:
        // "01", "01.1", "01.11". Files that leave the dots out get them back.
        code.remove(QLatin1Char('.'));
        for (const QChar c : code) {
            if (!c.isDigit() || c.unicode() > '9')
                return QString();
        }
        if (code.size() <= 2)
            return code;
        QString dotted = code.left(2) + QLatin1Char('.') + code.mid(2, 2);
        if (code.size() > 4)
            dotted += QLatin1Char('.') + code.mid(4);
        return dotted;
    }
    case ImportTarget::Psc:
        if (code.size() != 5)
            return QString();
        for (const QChar c : code) {
            if (!c.isDigit() || c.unicode() > '9')
                return QString();
        }
        return code.left(3) + QLatin1Char(' ') + code.mid(3);
    }
    return QString();
}

ImportedList ParseCodeListFile(const QByteArray &bytes, ImportTarget target, const QMap<QString, int> &widths)
{
    const ImportTargetInfo &info = TargetInfo(target);
    ImportedList list;
    list.target = target;

    if (bytes.trimmed().isEmpty())
        fail(QStringLiteral("Soubor je prázdný."));
    const QString text = decode(bytes, list.encoding);

    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    int first = 0;
    while (first < lines.size() && lines.at(first).trimmed().isEmpty())
        ++first;
    if (first >= lines.size())
        fail(QStringLiteral("Soubor je prázdný."));

    const QString &headerLine = lines.at(first);
    list.delimiter = detectDelimiter(headerLine);
    if (list.delimiter.isNull())
        fail(QStringLiteral("Soubor nemá rozpoznatelnou hlavičku: první řádek není rozdělen středníky, čárkami ani "
                            "tabulátory, takže v něm nelze najít sloupce kódu a názvu."));
    const QStringList headerFields = splitLine(headerLine, list.delimiter, first + 1);
    QStringList keys;
    for (const QString &field : headerFields)
        keys << headerKey(field);

    // Where each table column comes from in a line.
    QList<int> source;
    int dataStart = first + 1;
    if (target == ImportTarget::Psc) {
        const int psc = findColumn(keys, {QStringLiteral("PSC")});
        const int obec = findColumn(keys, {QStringLiteral("NAZOBCE"), QStringLiteral("OBEC"), QStringLiteral("NAZEV OBCE"),
                                           QStringLiteral("NAZCOBCE")});
        const int posta = findColumn(keys, {QStringLiteral("NAZPOST"), QStringLiteral("POSTA"),
                                            QStringLiteral("NAZEV POSTY"), QStringLiteral("DODACI POSTA")});
        const int okres = findColumn(keys, {QStringLiteral("NAZOKRESU"), QStringLiteral("OKRES"),
                                            QStringLiteral("NAZEV OKRESU")});
        if (psc >= 0 && obec >= 0) {
            source = {psc, obec, posta, okres};
            list.format = QStringLiteral("seznam PSČ České pošty");
        } else if (headerFields.size() == 4 && !NormaliseCode(target, headerFields.at(0)).isEmpty()) {
            source = {0, 1, 2, 3};
            dataStart = first;
            list.format = QStringLiteral("CSV bez hlavičky (PSČ, obec, pošta, okres)");
        } else {
            fail(QStringLiteral("Soubor nemá rozpoznatelnou hlavičku: chybí sloupec PSČ (PSC) nebo sloupec obce "
                                "(NAZOBCE, OBEC)."));
        }
    } else {
        const int code = findColumn(keys, {QStringLiteral("CHODNOTA"), QStringLiteral("KOD"), QStringLiteral("CODE")});
        const int name = findColumn(keys, {QStringLiteral("TEXT"), QStringLiteral("NAZEV"), QStringLiteral("NAME"),
                                           QStringLiteral("POPIS")});
        if (code >= 0 && name >= 0) {
            source = {code, name};
            list.format = keys.at(code) == QLatin1String("CHODNOTA") ? QStringLiteral("číselník ČSÚ (CSV)")
                                                                       : QStringLiteral("CSV s kódem a názvem");
        } else if (headerFields.size() == 2 && !NormaliseCode(target, headerFields.at(0)).isEmpty()) {
            source = {0, 1};
            dataStart = first;
            list.format = QStringLiteral("CSV bez hlavičky (kód, název)");
        } else {
            fail(QStringLiteral("Soubor nemá rozpoznatelnou hlavičku: chybí sloupec s kódem (CHODNOTA, KÓD) nebo "
                                "s názvem (TEXT, NÁZEV)."));
        }
    }

    const int fieldCount = int(headerFields.size());
    QHash<QString, int> seen;  // code -> line, for the classifications' keys
    for (int index = dataStart; index < lines.size(); ++index) {
        const int lineNumber = index + 1;
        const QString &line = lines.at(index);
        if (line.trimmed().isEmpty())
            continue;
        QStringList fields = splitLine(line, list.delimiter, lineNumber);
        // Some programs end each line with a delimiter: empty extra fields are harmless.
        while (fields.size() > fieldCount && fields.last().trimmed().isEmpty())
            fields.removeLast();
        if (fields.size() != fieldCount) {
            failAt(lineNumber, QStringLiteral("má %1 polí, hlavička jich má %2 (oddělovač je %3; nejsou v souboru "
                                              "oddělovače smíchané?).")
                                   .arg(fields.size()).arg(fieldCount).arg(delimiterName(list.delimiter)));
        }
        QStringList values;
        for (int column = 0; column < source.size(); ++column)
            values << (source.at(column) < 0 ? QString() : fields.at(source.at(column)).trimmed());
        bool blank = true;
        for (const QString &value : std::as_const(values))
            blank = blank && value.isEmpty();
        if (blank)
            continue;

        const QString rawCode = values.at(0);
        if (rawCode.isEmpty())
            failAt(lineNumber, QStringLiteral("chybí %1.").arg(kindOfCode(target)));
        if (target != ImportTarget::Psc) {
            bool hasDigit = false;
            for (const QChar c : rawCode)
                hasDigit = hasDigit || c.isDigit();
            if (!hasDigit) {
                // Sections (A, B, …) stand outside the numbered hierarchy.
                ++list.skipped;
                continue;
            }
        }
        const QString code = NormaliseCode(target, rawCode);
        if (code.isEmpty())
            failAt(lineNumber, QStringLiteral("„%1“ není %2.").arg(rawCode, kindOfCode(target)));
        values[0] = code;
        if (values.at(1).isEmpty())
            failAt(lineNumber, target == ImportTarget::Psc ? QStringLiteral("chybí název obce.")
                                                           : QStringLiteral("chybí název."));
        for (int column = 0; column < values.size(); ++column) {
            const QString &columnName = info.columns.at(column);
            const int width = widths.value(columnName, -1);
            if (width >= 0 && values.at(column).size() > width) {
                failAt(lineNumber, QStringLiteral("hodnota „%1“ má %2 znaků, sloupec %3 jich pojme nejvýše %4.")
                                       .arg(values.at(column)).arg(values.at(column).size()).arg(columnName).arg(width));
            }
            if (!representable(values.at(column)))
                failAt(lineNumber, QStringLiteral("text „%1“ obsahuje znaky, které databáze neumí uložit.")
                                       .arg(values.at(column)));
        }
        if (target != ImportTarget::Psc) {
            const auto previous = seen.constFind(code);
            if (previous != seen.constEnd())
                failAt(lineNumber, QStringLiteral("kód „%1“ už je na řádku %2.").arg(code).arg(previous.value()));
            seen.insert(code, lineNumber);
        }
        list.rows.append(values);
    }
    if (list.rows.isEmpty())
        fail(QStringLiteral("Soubor neobsahuje žádné řádky s daty."));
    return list;
}

ImportedList ReadCodeListFile(const QString &path, ImportTarget target, Connection &connection)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Soubor „%1“ nelze otevřít: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    return ParseCodeListFile(bytes, target, ColumnWidths(connection, TargetInfo(target).table));
}

void ReplaceCodeList(Connection &connection, const ImportedList &list, const std::function<bool(int, int)> &progress)
{
    const ImportTargetInfo &info = TargetInfo(list.target);
    QStringList placeholders;
    for (int i = 0; i < info.columns.size(); ++i)
        placeholders << QStringLiteral("'%s'");
    const QString pattern = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3);")
                                .arg(info.table, info.columns.join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", ")));
    const int total = int(list.rows.size());
    connection.change([&] {
        connection.execute(QStringLiteral("DELETE FROM %1;").arg(info.table));
        for (int i = 0; i < total; ++i) {
            QVariantList values;
            for (const QString &value : list.rows.at(i))
                values << EscapeSqlText(value);
            connection.execute(SqlFormat(pattern, values));
            if (progress && (i % 200 == 0 || i == total - 1) && !progress(i + 1, total))
                fail(QStringLiteral("Aktualizace číselníku %1 byla přerušena; číselník zůstal beze změny.").arg(info.caption));
        }
    });
}
