#pragma once

// The employee list of the employee picker without any window: the rows with
// their department captions, the order on screen, the search and the current row.

#include <QList>
#include <QString>

class Connection;

struct EmployeeRow
{
    int id = 0;
    QString osobniCislo;
    QString prijmeni;
    QString jmeno;
    QString rodneCislo;
    QString umisteni;  // department caption: STRED_ID, two blanks, NAME
};

class EmployeeList
{
public:
    enum Column { OsobniCislo, Prijmeni, Jmeno, RodneCislo, Umisteni, ColumnCount };

    // Reads ZAMESTNANCI and STREDISKA of the company database. Throws TrelvoError.
    void load(Connection &company);
    void setRows(QList<EmployeeRow> rows);

    // Makes the employee current when he is in the list; else the first row.
    void open(int id);

    int rowCount() const { return int(m_order.size()); }
    const EmployeeRow &at(int position) const { return m_rows.at(m_order.at(position)); }
    static QString value(const EmployeeRow &row, int column);

    int current() const { return m_current; }
    void setCurrent(int position);
    // The current row's ID, or `fallback` when the list is empty.
    int currentId(int fallback) const;

    // A new column sorts ascending, the same column again reverses the order.
    void sortBy(int column);
    int sortColumn() const { return m_sortColumn; }
    bool ascending() const { return m_ascending; }

    // Moves to the first row, in the shown order, whose value in the sort
    // column (the surname while none is sorted) begins with the text, ignoring
    // case. False, and the current row stays, when none does.
    bool search(const QString &text);

private:
    QList<EmployeeRow> m_rows;
    QList<int> m_order;
    int m_current = -1;
    int m_sortColumn = -1;
    bool m_ascending = true;
};

// The department caption used in every department column.
QString DepartmentCaption(const QString &code, const QString &name);
