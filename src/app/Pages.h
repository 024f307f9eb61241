#pragma once

// The pages of the main window. Pages whose own work comes later show their
// fixed list in a read-only grid, so the user sees the company's real data.

#include <QString>
#include <QWidget>

class Connection;
class QLabel;
class QSortFilterProxyModel;
class QTableView;
class ResultSetModel;

// A read-only, sortable grid over one fixed statement of the company database.
class FixedListPage : public QWidget
{
    Q_OBJECT

public:
    FixedListPage(const QString &statement, QWidget *parent = nullptr);

    QString statement() const { return m_statement; }
    // Runs the statement again and shows all its rows. Throws TrelvoError.
    void reopen(Connection &connection);
    // Shows no rows (no company is open).
    void close();
    // Every column of the grid gets `width` pixels.
    void setColumnWidths(int width);

    QTableView *grid() const { return m_grid; }
    ResultSetModel *model() const { return m_model; }

private:
    QString m_statement;
    QTableView *m_grid;
    ResultSetModel *m_model;
    QSortFilterProxyModel *m_sorted;
};

// A page whose work is not here yet: its caption only.
class PendingPage : public QWidget
{
    Q_OBJECT

public:
    explicit PendingPage(const QString &text, QWidget *parent = nullptr);
};

