#pragma once

// Czech order for texts shown in lists: "Č" after "C", "Ch" after "H",
// lower and upper case of one letter together.

#include <QCollatorSortKey>
#include <QList>
#include <QString>

// Negative, zero or positive like strcmp. With `numeric` digits compare by
// their value ("9" before "10"), for columns that hold numbers as text.
int CzechCompare(const QString &left, const QString &right, bool numeric = false);

struct CzechLess
{
    bool numeric = false;
    bool operator()(const QString &left, const QString &right) const { return CzechCompare(left, right, numeric) < 0; }
};

// The collation key of a text: keys compare in Czech order, and building one
// key per row first makes sorting long lists much faster.
QCollatorSortKey CzechSortKey(const QString &text, bool numeric = false);

// The order of `texts` in Czech order: the positions of the texts, first the
// first in that order. Equal texts keep their order, either way.
QList<int> CzechOrder(const QStringList &texts, bool numeric, bool ascending = true);
