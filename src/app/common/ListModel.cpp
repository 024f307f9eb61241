#include "ListModel.h"

#include <QHeaderView>
#include <QTableView>

ListModel::ListModel(QStringList titles, RowCount rowCount, Cell cell, QObject *parent)
    : QAbstractTableModel(parent), m_titles(std::move(titles)), m_rowCount(std::move(rowCount)), m_cell(std::move(cell))
{
}

int ListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount();
}

int ListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_titles.size());
}

QVariant ListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rowCount())
        return QVariant();
    return m_cell(index.row(), index.column());
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_titles.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ListModel::reset()
{
    beginResetModel();
    endResetModel();
}

void SetUpPickGrid(QTableView *grid)
{
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setStyleSheet(QStringLiteral("QTableView { selection-background-color: navy; selection-color: yellow; }"));
}
