#pragma once

// The postcode list of the postcode picker without any window: the rows, their
// order on screen, the current row, and the search by town.

#include <QList>
#include <QString>

class Connection;

struct PostcodeRow
{
    QString psc;
    QString obec;
    QString posta;
    QString okres;
};

class PostcodeList
{
public:
    enum Column { Psc, Obec, Posta, Okres, ColumnCount };

    // "SELECT * FROM PSC;" read whole. Throws TrelvoError.
    void load(Connection &connection);
    void setRows(QList<PostcodeRow> rows);

    // Makes current the first row of `town`, else the first row of `postcode`,
    // else the first row.
    void open(const QString &postcode, const QString &town);

    int rowCount() const { return int(m_order.size()); }
    // Rows in the order shown.
    const PostcodeRow &at(int position) const { return m_rows.at(m_order.at(position)); }
    static QString value(const PostcodeRow &row, int column);

    int current() const { return m_current; }  // -1 when the list is empty
    void setCurrent(int position);

    // Sorts by a column, always ascending, in Czech order; the current row
    // stays current.
    void sortBy(int column);
    int sortColumn() const { return m_sortColumn; }

    // Moves to the first row, in the shown order, whose town begins with the
    // text, ignoring case. False, and the current row stays, when none does.
    bool findTown(const QString &text);

private:
    QList<PostcodeRow> m_rows;
    QList<QString> m_foldedTowns;  // m_rows' towns case-folded, for the search
    QList<int> m_order;            // positions -> rows
    int m_current = -1;
    int m_sortColumn = -1;
};
