#include "SqlLiteral.h"

#include "Error.h"

namespace {

QString replaceAll(QString text, const QList<QPair<QString, QString>> &pairs)
{
    for (const auto &[from, to] : pairs)
        text.replace(from, to);
    return text;
}

} // namespace

QString EscapeSqlText(const QString &text)
{
    // The order matters: backslashes first, so the ones added later stay single.
    return replaceAll(text, {
        {QStringLiteral("\\"), QStringLiteral("\\\\")},
        {QStringLiteral("'"), QStringLiteral("''")},
        {QStringLiteral("\""), QStringLiteral("\\\"")},
        {QStringLiteral("\r"), QStringLiteral("\\r")},
        {QStringLiteral("\n"), QStringLiteral("\\n")},
        {QStringLiteral("\t"), QStringLiteral("\\t")},
        {QString(QChar(0)), QStringLiteral("\\0")},
    });
}

QString UnescapeSqlText(const QString &stored)
{
    // One pass from left to right, each escape pair decoded once. Replacing
    // pattern by pattern would turn a typed backslash followed by "n" (stored
    // as two backslashes and "n") into a line break.
    QString text;
    text.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QChar c = stored.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= stored.size()) {
            text += c;
            continue;
        }
        switch (stored.at(i + 1).unicode()) {
        case '0': text += QChar(0); break;
        case 't': text += QLatin1Char('\t'); break;
        case 'n': text += QLatin1Char('\n'); break;
        case 'r': text += QLatin1Char('\r'); break;
        case '"': text += QLatin1Char('"'); break;
        case '\'': text += QLatin1Char('\''); break;
        case '\\': text += QLatin1Char('\\'); break;
        default:
            text += c;  // a lone backslash stays as it is
            continue;
        }
        ++i;
    }
    return text;
}

QString IfThenStr(bool condition, const QString &whenTrue, const QString &whenFalse)
{
    return condition ? whenTrue : whenFalse;
}

QDate NoDate()
{
    return QDate(1, 1, 1);
}

bool IsNoDate(const QDate &date)
{
    return date == NoDate();
}

QString SqlDate(const QDate &date)
{
    // QDate::toString pads years below 1000 with zeros only with "yyyy"; build it
    // by hand so that year 1 is written as 0001 like the no-date text.
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString SqlTime(const QTime &time)
{
    return time.toString(QStringLiteral("hh:mm"));
}

QString SqlFlag(bool flag)
{
    return IfThenStr(flag, QStringLiteral("1"), QStringLiteral("0"));
}

QString SqlOptionalDate(bool isSet, const QDate &date)
{
    return IfThenStr(isSet, SqlDate(date), QString::fromLatin1(NoDateText));
}

QString DisplayDate(const QVariant &value)
{
    if (value.isNull())
        return {};
    const QDate date = value.toDate();
    if (!date.isValid() || IsNoDate(date))
        return {};
    return QStringLiteral("%1.%2.%3").arg(date.day()).arg(date.month()).arg(date.year());
}

QString SqlFormat(const QString &pattern, const QVariantList &args)
{
    QString out;
    out.reserve(pattern.size() + 64);
    auto next = args.begin();
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c != QLatin1Char('%') || i + 1 >= pattern.size()) {
            out += c;
            continue;
        }
        const QChar kind = pattern.at(++i);
        if (kind == QLatin1Char('%')) {
            out += kind;
            continue;
        }
        if (kind != QLatin1Char('d') && kind != QLatin1Char('s'))
            throw TrelvoError(QStringLiteral("Neznámý zástupný znak \"%%1\" v příkazu: %2").arg(kind).arg(pattern));
        if (next == args.end())
            throw TrelvoError(QStringLiteral("Příkazu chybí hodnota pro \"%%1\": %2").arg(kind).arg(pattern));
        if (kind == QLatin1Char('d')) {
            bool ok = false;
            const qlonglong number = next->toLongLong(&ok);
            if (!ok)
                throw TrelvoError(QStringLiteral("Hodnota \"%1\" není celé číslo: %2").arg(next->toString(), pattern));
            out += QString::number(number);
        } else {
            out += next->toString();
        }
        ++next;
    }
    if (next != args.end())
        throw TrelvoError(QStringLiteral("Příkaz má více hodnot než zástupných znaků: %1").arg(pattern));
    return out;
}
