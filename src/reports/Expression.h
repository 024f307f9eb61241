#pragma once

// Value expressions of the report templates, written in square brackets in a
// box text: "[PRIJMENI] [JMENO]", "[IF(ZENA=1, 'žena', 'muž')]".
//
//   names       a column of the current row or a variable of the program;
//               PAGE#, TOTALPAGES and DATE are the engine's own
//   literals    123, 'text' ('' stands for one quote)
//   operators   OR, AND (bitwise on numbers), NOT, = <> < > <= >=, + (numbers
//               add, texts join), - (numbers)
//   functions   IF(condition, a, b)    the choice between two values
//               BIT(mask, value)       true when mask And value is not 0
//               DAY(d), MONTH(d), YEAR(d)
//               DAYS(from, to)         to minus from in days; empty when either
//                                      is not set
//               ISNODATE(d)            true for the no-date value 1.1.0001 or none
//               TEXT(x)                x as printed (dates d.M.yyyy, no-date empty)

#include <QDate>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

struct ExpressionContext
{
    // Answers a name (column or variable); nullopt when nobody knows it.
    std::function<std::optional<QVariant>(const QString &name)> lookup;
    int page = 1;
    int totalPages = 0;
    QDate printDate = QDate::currentDate();
    // When set, a name nobody knows is an error instead of an empty value.
    bool strictNames = false;
};

// Evaluates one expression (without the brackets). Throws TrelvoError with the
// expression and the problem.
QVariant EvaluateExpression(const QString &expression, const ExpressionContext &context);

// How a value prints: dates d.M.yyyy (the no-date value empty), times hh:mm,
// truth values "1"/"0", nothing as empty.
QString FormatValue(const QVariant &value);

// Replaces every bracketed expression of `text` by its printed value.
QString ExpandText(const QString &text, const ExpressionContext &context);

// The text with every bracketed expression left out (the blank forms).
QString StripExpressions(const QString &text);

// True when the text names one of the engine's page variables.
bool UsesTotalPages(const QString &text);
