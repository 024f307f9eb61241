#include "Expression.h"

#include "Error.h"
#include "SqlLiteral.h"

#include <QTime>

namespace {

bool isNumber(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Short:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

bool isEmptyValue(const QVariant &v)
{
    return !v.isValid() || v.isNull();
}

bool truth(const QVariant &v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (isNumber(v))
        return v.toLongLong() != 0;
    if (isEmptyValue(v))
        return false;
    return !v.toString().isEmpty();
}

QDate dateOf(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed();
        for (const char *format : {"d.M.yyyy", "yyyy-MM-dd"}) {
            const QDate d = QDate::fromString(s, QLatin1String(format));
            if (d.isValid())
                return d;
        }
    }
    return QDate();
}

bool dateUnset(const QVariant &v)
{
    const QDate d = dateOf(v);
    return !d.isValid() || IsNoDate(d);
}

class Evaluator
{
public:
    Evaluator(const QString &text, const ExpressionContext &context) : m_text(text), m_context(context) {}

    QVariant run()
    {
        const QVariant value = orExpression();
        skipSpace();
        if (m_pos < m_text.size())
            fail(QStringLiteral("nečekaný znak „%1“").arg(m_text.at(m_pos)));
        return value;
    }

private:
    [[noreturn]] void fail(const QString &problem) const
    {
        throw TrelvoError(QStringLiteral("Chybný výraz [%1]: %2.").arg(m_text, problem));
    }

    void skipSpace()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }

    bool keyword(const char *word)
    {
        skipSpace();
        const QLatin1String w(word);
        if (m_text.mid(m_pos, w.size()).compare(w, Qt::CaseInsensitive) != 0)
            return false;
        const int end = m_pos + int(w.size());
        if (end < m_text.size() && (m_text.at(end).isLetterOrNumber() || m_text.at(end) == '_'))
            return false;
        m_pos = end;
        return true;
    }

    bool symbol(const char *s)
    {
        skipSpace();
        const QLatin1String w(s);
        if (m_text.mid(m_pos, w.size()) != w)
            return false;
        m_pos += int(w.size());
        return true;
    }

    void expect(const char *s)
    {
        if (!symbol(s))
            fail(QStringLiteral("chybí „%1“").arg(QLatin1String(s)));
    }

    QVariant orExpression()
    {
        QVariant left = andExpression();
        while (keyword("OR")) {
            const QVariant right = andExpression();
            if (isNumber(left) && isNumber(right) && left.typeId() != QMetaType::Bool)
                left = left.toLongLong() | right.toLongLong();
            else
                left = truth(left) || truth(right);
        }
        return left;
    }

    QVariant andExpression()
    {
        QVariant left = notExpression();
        while (keyword("AND")) {
            const QVariant right = notExpression();
            if (isNumber(left) && isNumber(right) && left.typeId() != QMetaType::Bool
                && right.typeId() != QMetaType::Bool)
                left = left.toLongLong() & right.toLongLong();
            else
                left = truth(left) && truth(right);
        }
        return left;
    }

    QVariant notExpression()
    {
        if (keyword("NOT"))
            return !truth(notExpression());
        return comparison();
    }

    QVariant comparison()
    {
        const QVariant left = additive();
        for (const char *op : {"<>", "<=", ">=", "=", "<", ">"}) {
            if (symbol(op)) {
                const QVariant right = additive();
                int order;
                if ((isNumber(left) || isEmptyValue(left)) && (isNumber(right) || isEmptyValue(right))) {
                    const qlonglong a = left.toLongLong(), b = right.toLongLong();
                    order = a < b ? -1 : (a > b ? 1 : 0);
                } else if (left.typeId() == QMetaType::QDate || right.typeId() == QMetaType::QDate) {
                    const QDate a = dateOf(left), b = dateOf(right);
                    order = a < b ? -1 : (a > b ? 1 : 0);
                } else {
                    order = QString::compare(FormatValue(left), FormatValue(right));
                    order = order < 0 ? -1 : (order > 0 ? 1 : 0);
                }
                const QString o = QLatin1String(op);
                if (o == "=") return order == 0;
                if (o == "<>") return order != 0;
                if (o == "<") return order < 0;
                if (o == ">") return order > 0;
                if (o == "<=") return order <= 0;
                return order >= 0;
            }
        }
        return left;
    }

    QVariant additive()
    {
        QVariant left = unary();
        for (;;) {
            if (symbol("+")) {
                const QVariant right = unary();
                if (isNumber(left) && isNumber(right))
                    left = left.toLongLong() + right.toLongLong();
                else
                    left = FormatValue(left) + FormatValue(right);
            } else if (symbol("-")) {
                const QVariant right = unary();
                if (!(isNumber(left) || isEmptyValue(left)) || !(isNumber(right) || isEmptyValue(right)))
                    fail(QStringLiteral("odčítat lze jen čísla"));
                left = left.toLongLong() - right.toLongLong();
            } else {
                return left;
            }
        }
    }

    QVariant unary()
    {
        if (symbol("-")) {
            const QVariant v = unary();
            return -v.toLongLong();
        }
        return primary();
    }

    QList<QVariant> arguments(int count, const QString &function)
    {
        expect("(");
        QList<QVariant> args;
        skipSpace();
        if (!symbol(")")) {
            do
                args << orExpression();
            while (symbol(","));
            expect(")");
        }
        if (args.size() != count)
            fail(QStringLiteral("funkce %1 má %2 parametry").arg(function).arg(count));
        return args;
    }

    QVariant primary()
    {
        skipSpace();
        if (m_pos >= m_text.size())
            fail(QStringLiteral("výraz je neúplný"));
        const QChar c = m_text.at(m_pos);
        if (c == '(') {
            ++m_pos;
            const QVariant v = orExpression();
            expect(")");
            return v;
        }
        if (c == '\'') {
            QString s;
            ++m_pos;
            for (;;) {
                if (m_pos >= m_text.size())
                    fail(QStringLiteral("neukončený text"));
                if (m_text.at(m_pos) == '\'') {
                    if (m_pos + 1 < m_text.size() && m_text.at(m_pos + 1) == '\'') {
                        s += '\'';
                        m_pos += 2;
                        continue;
                    }
                    ++m_pos;
                    return s;
                }
                s += m_text.at(m_pos++);
            }
        }
        if (c.isDigit()) {
            const int start = m_pos;
            while (m_pos < m_text.size() && m_text.at(m_pos).isDigit())
                ++m_pos;
            return m_text.mid(start, m_pos - start).toLongLong();
        }
        if (!(c.isLetter() || c == '_'))
            fail(QStringLiteral("nečekaný znak „%1“").arg(c));
        const int start = m_pos;
        while (m_pos < m_text.size()
               && (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == '_' || m_text.at(m_pos) == '#'))
            ++m_pos;
        const QString name = m_text.mid(start, m_pos - start);
        const QString upper = name.toUpper();
        skipSpace();
        if (m_pos < m_text.size() && m_text.at(m_pos) == '(')
            return function(upper);
        if (upper == "PAGE#")
            return m_context.page;
        if (upper == "TOTALPAGES")
            return m_context.totalPages;
        if (upper == "DATE")
            return m_context.printDate;
        if (upper == "TRUE")
            return true;
        if (upper == "FALSE")
            return false;
        if (m_context.lookup) {
            if (const std::optional<QVariant> value = m_context.lookup(name))
                return *value;
        }
        if (m_context.strictNames)
            fail(QStringLiteral("neznámý údaj „%1“").arg(name));
        return QVariant();
    }

    QVariant function(const QString &name)
    {
        if (name == "IF") {
            // Both branches are evaluated (they are plain values here), so an
            // error in either shows up on every row, not only on some.
            const QList<QVariant> a = arguments(3, name);
            return truth(a[0]) ? a[1] : a[2];
        }
        if (name == "BIT") {
            const QList<QVariant> a = arguments(2, name);
            return (a[0].toLongLong() & a[1].toLongLong()) != 0;
        }
        if (name == "DAY" || name == "MONTH" || name == "YEAR") {
            const QVariant v = arguments(1, name)[0];
            if (dateUnset(v))
                return QVariant();
            const QDate d = dateOf(v);
            return name == "DAY" ? d.day() : (name == "MONTH" ? d.month() : d.year());
        }
        if (name == "DAYS") {
            const QList<QVariant> a = arguments(2, name);
            if (dateUnset(a[0]) || dateUnset(a[1]))
                return QVariant();
            return dateOf(a[0]).daysTo(dateOf(a[1]));
        }
        if (name == "ISNODATE")
            return dateUnset(arguments(1, name)[0]);
        if (name == "TEXT")
            return FormatValue(arguments(1, name)[0]);
        fail(QStringLiteral("neznámá funkce %1").arg(name));
    }

    const QString &m_text;
    const ExpressionContext &m_context;
    int m_pos = 0;
};

// Finds the end of a bracketed expression starting after '[' at `from`;
// quoted texts may hold brackets. Returns -1 when it never closes.
int closingBracket(const QString &text, int from)
{
    int depth = 1;
    bool quoted = false;
    for (int i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == '\'')
            quoted = !quoted;
        else if (!quoted && c == '[')
            ++depth;
        else if (!quoted && c == ']' && --depth == 0)
            return i;
    }
    return -1;
}

} // namespace

QVariant EvaluateExpression(const QString &expression, const ExpressionContext &context)
{
    return Evaluator(expression, context).run();
}

QString FormatValue(const QVariant &value)
{
    if (isEmptyValue(value))
        return QString();
    switch (value.typeId()) {
    case QMetaType::QDate:
    case QMetaType::QDateTime:
        return DisplayDate(QVariant(dateOf(value)));
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("hh:mm"));
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return value.toString();
    }
}

namespace {

// Copies `text` with each bracketed expression replaced by what `replace`
// gives for its inside. An unclosed bracket is handed to `unclosed`, which
// either throws or answers the rest to keep.
template <typename Replace, typename Unclosed>
QString ReplaceExpressions(const QString &text, Replace &&replace, Unclosed &&unclosed)
{
    QString result;
    int pos = 0;
    while (pos < text.size()) {
        const int open = text.indexOf('[', pos);
        if (open < 0) {
            result += QStringView(text).mid(pos);
            break;
        }
        result += QStringView(text).mid(pos, open - pos);
        const int close = closingBracket(text, open + 1);
        if (close < 0)
            return result + unclosed();
        result += replace(text.mid(open + 1, close - open - 1));
        pos = close + 1;
    }
    return result;
}

} // namespace

QString ExpandText(const QString &text, const ExpressionContext &context)
{
    if (!text.contains('['))
        return text;
    return ReplaceExpressions(
        text, [&](const QString &expression) { return FormatValue(EvaluateExpression(expression, context)); },
        [&]() -> QString {
            throw TrelvoError(QStringLiteral("Chybný výraz v textu „%1“: neuzavřená hranatá závorka.").arg(text));
        });
}

QString StripExpressions(const QString &text)
{
    return ReplaceExpressions(text, [](const QString &) { return QString(); }, [] { return QString(); });
}

bool UsesTotalPages(const QString &text)
{
    return text.contains(QLatin1String("TOTALPAGES"), Qt::CaseInsensitive);
}
