#include "EmployeeList.h"

#include "Connection.h"
#include "CzechCollator.h"
#include "SqlLiteral.h"

#include <QHash>

#include <algorithm>
#include <numeric>

QString DepartmentCaption(const QString &code, const QString &name)
{
    return code + QStringLiteral("  ") + name;
}

void EmployeeList::load(Connection &company)
{
    QHash<int, QString> departments;
    const ResultSet stred = company.select(QStringLiteral("SELECT ID, STRED_ID, NAME FROM STREDISKA;"));
    for (int i = 0; i < stred.rowCount(); ++i) {
        departments.insert(stred.integer(i, QStringLiteral("ID")),
                           DepartmentCaption(UnescapeSqlText(stred.text(i, QStringLiteral("STRED_ID"))),
                                             UnescapeSqlText(stred.text(i, QStringLiteral("NAME")))));
    }
    const ResultSet result = company.select(
        QStringLiteral("SELECT ID,OSOBNICISLO,JMENO,PRIJMENI,RODNECISLO,STREDISKO FROM ZAMESTNANCI;"));
    QList<EmployeeRow> rows;
    rows.reserve(result.rowCount());
    for (int i = 0; i < result.rowCount(); ++i) {
        EmployeeRow row;
        row.id = result.integer(i, QStringLiteral("ID"));
        row.osobniCislo = UnescapeSqlText(result.text(i, QStringLiteral("OSOBNICISLO")));
        row.jmeno = UnescapeSqlText(result.text(i, QStringLiteral("JMENO")));
        row.prijmeni = UnescapeSqlText(result.text(i, QStringLiteral("PRIJMENI")));
        row.rodneCislo = UnescapeSqlText(result.text(i, QStringLiteral("RODNECISLO")));
        const QVariant department = result.value(i, QStringLiteral("STREDISKO"));
        // -1 (no department), NULL and deleted departments show nothing.
        if (!department.isNull())
            row.umisteni = departments.value(department.toInt());
        rows.append(row);
    }
    setRows(std::move(rows));
}

void EmployeeList::setRows(QList<EmployeeRow> rows)
{
    m_rows = std::move(rows);
    m_order.resize(m_rows.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_sortColumn = -1;
    m_ascending = true;
}

void EmployeeList::open(int id)
{
    for (int i = 0; i < m_order.size(); ++i) {
        if (at(i).id == id) {
            m_current = i;
            return;
        }
    }
}

QString EmployeeList::value(const EmployeeRow &row, int column)
{
    switch (column) {
    case OsobniCislo: return row.osobniCislo;
    case Prijmeni: return row.prijmeni;
    case Jmeno: return row.jmeno;
    case RodneCislo: return row.rodneCislo;
    case Umisteni: return row.umisteni;
    default: return QString();
    }
}

void EmployeeList::setCurrent(int position)
{
    if (position >= 0 && position < m_order.size())
        m_current = position;
}

int EmployeeList::currentId(int fallback) const
{
    return m_current < 0 ? fallback : at(m_current).id;
}

void EmployeeList::sortBy(int column)
{
    if (column < 0 || column >= ColumnCount)
        return;
    m_ascending = column == m_sortColumn ? !m_ascending : true;
    m_sortColumn = column;
    const int currentRow = m_current < 0 ? -1 : m_order.at(m_current);
    // Numbers kept as text (personal and birth numbers) sort by value.
    const bool numeric = column == OsobniCislo || column == RodneCislo;
    QStringList texts;
    texts.reserve(m_rows.size());
    for (const EmployeeRow &row : std::as_const(m_rows))
        texts.append(value(row, column));
    m_order = CzechOrder(texts, numeric, m_ascending);
    if (currentRow >= 0)
        m_current = int(m_order.indexOf(currentRow));
}

bool EmployeeList::search(const QString &text)
{
    const int column = m_sortColumn < 0 ? Prijmeni : m_sortColumn;
    for (int i = 0; i < m_order.size(); ++i) {
        if (value(at(i), column).startsWith(text, Qt::CaseInsensitive)) {
            m_current = i;
            return true;
        }
    }
    return false;
}
