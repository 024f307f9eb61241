#pragma once

// A read-only table over a fully fetched result: every row is in memory, so a
// sort proxy sorts the fetched rows. Dates read as "no date" show empty, flags
// stay numbers (the owning page decides how to show them).

#include "Connection.h"

#include <QAbstractTableModel>

class ResultSetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setResult(ResultSet result);
    void clear() { setResult(ResultSet{}); }
    const ResultSet &result() const { return m_result; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ResultSet m_result;
};
