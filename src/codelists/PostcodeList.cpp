#include "PostcodeList.h"

#include "Connection.h"
#include "CzechCollator.h"
#include "SqlLiteral.h"

#include <algorithm>
#include <numeric>

void PostcodeList::load(Connection &connection)
{
    const ResultSet result = connection.select(QStringLiteral("SELECT * FROM PSC;"));
    const int psc = result.columnIndex(QStringLiteral("PSC"));
    const int obec = result.columnIndex(QStringLiteral("OBEC"));
    const int posta = result.columnIndex(QStringLiteral("POSTA"));
    const int okres = result.columnIndex(QStringLiteral("OKRES"));
    QList<PostcodeRow> rows;
    rows.reserve(result.rowCount());
    for (const QVariantList &row : result.rows) {
        rows.append({UnescapeSqlText(row.at(psc).toString()), UnescapeSqlText(row.at(obec).toString()),
                     UnescapeSqlText(row.at(posta).toString()), UnescapeSqlText(row.at(okres).toString())});
    }
    setRows(std::move(rows));
}

void PostcodeList::setRows(QList<PostcodeRow> rows)
{
    m_rows = std::move(rows);
    m_foldedTowns.clear();
    m_foldedTowns.reserve(m_rows.size());
    for (const PostcodeRow &row : std::as_const(m_rows))
        m_foldedTowns.append(row.obec.toCaseFolded());
    m_order.resize(m_rows.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    m_sortColumn = -1;
    m_current = m_rows.isEmpty() ? -1 : 0;
}

QString PostcodeList::value(const PostcodeRow &row, int column)
{
    switch (column) {
    case Psc: return row.psc;
    case Obec: return row.obec;
    case Posta: return row.posta;
    case Okres: return row.okres;
    default: return QString();
    }
}

void PostcodeList::open(const QString &postcode, const QString &town)
{
    if (m_order.isEmpty()) {
        m_current = -1;
        return;
    }
    for (int i = 0; i < m_order.size(); ++i) {
        if (at(i).obec == town) {
            m_current = i;
            return;
        }
    }
    for (int i = 0; i < m_order.size(); ++i) {
        if (at(i).psc == postcode) {
            m_current = i;
            return;
        }
    }
    m_current = 0;
}

void PostcodeList::setCurrent(int position)
{
    if (position >= 0 && position < m_order.size())
        m_current = position;
}

void PostcodeList::sortBy(int column)
{
    if (column < 0 || column >= ColumnCount)
        return;
    const int currentRow = m_current < 0 ? -1 : m_order.at(m_current);
    QStringList texts;
    texts.reserve(m_rows.size());
    for (const PostcodeRow &row : std::as_const(m_rows))
        texts.append(value(row, column));
    m_order = CzechOrder(texts, column == Psc);
    m_sortColumn = column;
    if (currentRow >= 0)
        m_current = int(m_order.indexOf(currentRow));
}

bool PostcodeList::findTown(const QString &text)
{
    const QString folded = text.toCaseFolded();
    for (int i = 0; i < m_order.size(); ++i) {
        if (m_foldedTowns.at(m_order.at(i)).startsWith(folded)) {
            m_current = i;
            return true;
        }
    }
    return false;
}
