#pragma once

// A read-only grid model over rows kept elsewhere (a code list, a picker's
// list): the owner says how many rows there are and what each cell shows, and
// calls reset() after it has changed them.

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

class QTableView;

class ListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using RowCount = std::function<int()>;
    using Cell = std::function<QVariant(int row, int column)>;

    ListModel(QStringList titles, RowCount rowCount, Cell cell, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void reset();

private:
    QStringList m_titles;
    RowCount m_rowCount;
    Cell m_cell;
};

// The look of a grid to pick a row from: read only, whole rows, one at a
// time, no row numbers, rows of one text line, the current row yellow on navy.
void SetUpPickGrid(QTableView *grid);
