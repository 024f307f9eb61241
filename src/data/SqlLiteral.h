#pragma once

// How values are written into statement text and read back.
//
// Statements are built from printf-like patterns: "%d" takes an integer and
// "%s" a text that is inserted as given (the caller has already escaped it and
// put it into quotes where the pattern says so). Dates are "dd.mm.yyyy", times
// "hh:mm", flags a bare 1 or 0, and an optional date that is not set is the
// no-date value 1.1.0001.

#include <QDate>
#include <QString>
#include <QTime>
#include <QVariant>
#include <initializer_list>

QString EscapeSqlText(const QString &text);
QString UnescapeSqlText(const QString &stored);
QString IfThenStr(bool condition, const QString &whenTrue, const QString &whenFalse);

// The stored stand-in for "no date".
QDate NoDate();
inline const char *NoDateText = "01.01.0001";
bool IsNoDate(const QDate &date);

QString SqlDate(const QDate &date);  // "dd.mm.yyyy"
QString SqlTime(const QTime &time);  // "hh:mm"
QString SqlFlag(bool flag);          // "1" or "0"
// A date that is set only when `isSet`; otherwise the no-date text.
QString SqlOptionalDate(bool isSet, const QDate &date);

// How lists show a date: empty for the no-date value and for NULL, else d.M.yyyy.
QString DisplayDate(const QVariant &value);

// Fills a printf-like pattern: each "%d" takes the next argument as an integer,
// each "%s" takes it as text, "%%" gives one "%". Throws TrelvoError when the
// pattern and the arguments do not match, so a broken statement never runs.
QString SqlFormat(const QString &pattern, const QVariantList &args);
inline QString SqlFormat(const QString &pattern, std::initializer_list<QVariant> args)
{
    return SqlFormat(pattern, QVariantList(args));
}
