#include "CzechCollator.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <numeric>

namespace {

// The collator of the Czech locale (ICU). Qt builds without ICU fall back to
// the C library, which does not know "ch"; the comparison below then puts it
// right by hand.
QCollator &collator(bool numeric)
{
    thread_local QCollator plain = [] {
        QCollator c(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    thread_local QCollator withNumbers = [] {
        QCollator c(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    return numeric ? withNumbers : plain;
}

bool collatorKnowsCh()
{
    static const bool knows = collator(false).compare(QStringLiteral("chata"), QStringLiteral("hrad")) > 0;
    return knows;
}

// Without a Czech collator: "ch" becomes one letter between "h" and "i" by
// rewriting it to a character that sorts there. Only used as a fallback.
QString withChAsLetter(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if ((c == QLatin1Char('c') || c == QLatin1Char('C')) && i + 1 < text.size()
            && (text.at(i + 1) == QLatin1Char('h') || text.at(i + 1) == QLatin1Char('H'))) {
            out += QLatin1String("h\xff");
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

int CzechCompare(const QString &left, const QString &right, bool numeric)
{
    if (collatorKnowsCh())
        return collator(numeric).compare(left, right);
    return collator(numeric).compare(withChAsLetter(left), withChAsLetter(right));
}

QCollatorSortKey CzechSortKey(const QString &text, bool numeric)
{
    return collator(numeric).sortKey(collatorKnowsCh() ? text : withChAsLetter(text));
}

QList<int> CzechOrder(const QStringList &texts, bool numeric, bool ascending)
{
    QList<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (const QString &text : texts)
        keys.append(CzechSortKey(text, numeric));
    QList<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys, ascending](int left, int right) {
        const int comparison = keys.at(left).compare(keys.at(right));
        return ascending ? comparison < 0 : comparison > 0;
    });
    return order;
}
