#pragma once

// The postcode picker "PSC Obce": the list of postcodes, the incremental
// search "Najít obec:" and the two fields handed back on "Ok".

#include "PostcodeList.h"

#include <QDialog>

#include <memory>
#include <optional>

class Connection;
class ListModel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace Ui {
class PSCForm;
}

struct PostcodeAndTown
{
    QString psc;
    QString obec;
};

class TPSCForm : public QDialog
{
    Q_OBJECT

public:
    explicit TPSCForm(QWidget *parent = nullptr);
    ~TPSCForm() override;

    // Reads the list and finds the caller's town (else postcode). Throws TrelvoError.
    void prepare(Connection &connection, const QString &psc, const QString &town);
    PostcodeAndTown result() const;

    // The picked postcode and town on "Ok", nothing otherwise.
    static std::optional<PostcodeAndTown> Open(QWidget *parent, const QString &psc, const QString &town);

    PostcodeList &list() { return m_list; }
    QTableView *grid() const { return m_grid; }
    QLineEdit *searchEdit() const { return m_search; }
    QLineEdit *pscEdit() const { return m_psc; }
    QLineEdit *townEdit() const { return m_town; }
    void sortByColumn(int column);

private:
    void showCurrent();
    void gridMoved(const QModelIndex &current);

    std::unique_ptr<Ui::PSCForm> m_ui;
    PostcodeList m_list;
    ListModel *m_model;
    QTableView *m_grid;
    QLineEdit *m_search;
    QLineEdit *m_psc;
    QLineEdit *m_town;
    bool m_moving = false;
};
