#include "ResultSetModel.h"

#include "SqlLiteral.h"

#include <QDate>
#include <QTime>

void ResultSetModel::setResult(ResultSet result)
{
    beginResetModel();
    m_result = std::move(result);
    endResetModel();
}

int ResultSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_result.rowCount();
}

int ResultSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_result.columns.size());
}

QVariant ResultSetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_result.rowCount())
        return {};
    const QVariantList &row = m_result.rows.at(index.row());
    if (index.column() >= row.size())
        return {};
    const QVariant value = row.at(index.column());
    if (role == Qt::EditRole)  // the sort key: dates and numbers sort as such
        return value;
    if (role != Qt::DisplayRole)
        return {};
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
        return DisplayDate(value);
    if (value.typeId() == QMetaType::QTime)
        return value.toTime().toString(QStringLiteral("hh:mm"));
    return value.toString();
}

QVariant ResultSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_result.columns.size())
        return m_result.columns.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
