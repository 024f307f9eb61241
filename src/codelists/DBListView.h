#pragma once

// The employee picker: the company's employees with their departments,
// sorting by a column title, the search, and the ID handed back.

#include "EmployeeList.h"

#include <QDialog>

#include <memory>

class Connection;
class ListModel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace Ui {
class DBListView;
}

class TDBListView : public QDialog
{
    Q_OBJECT

public:
    TDBListView(const QString &caption, QWidget *parent = nullptr);
    ~TDBListView() override;

    // Reads the employees and makes `id` current. Throws TrelvoError.
    void prepare(Connection &company, int id);

    // The picked employee's ID on "OK"; otherwise the `id` it was given.
    static int Open(QWidget *parent, const QString &caption, int id);

    EmployeeList &list() { return m_list; }
    QTableView *grid() const { return m_grid; }
    QLineEdit *searchEdit() const { return m_search; }
    QPushButton *okButton() const { return m_ok; }
    void sortByColumn(int column);
    void search();

private:
    void showCurrent();

    std::unique_ptr<Ui::DBListView> m_ui;
    EmployeeList m_list;
    ListModel *m_model;
    QTableView *m_grid;
    QLineEdit *m_search;
    QPushButton *m_ok;
    bool m_moving = false;
};
