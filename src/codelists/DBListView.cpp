#include "DBListView.h"

#include "CodeLists.h"
#include "Connection.h"
#include "ListModel.h"
#include "MessageBoxes.h"

#include "ui_DBListView.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

TDBListView::TDBListView(const QString &caption, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::DBListView>())
{
    m_ui->setupUi(this);
    setWindowTitle(caption);
    m_grid = m_ui->grid;
    m_search = m_ui->search;
    m_ok = m_ui->ok;

    m_model = new ListModel({QStringLiteral("Osobní číslo"), QStringLiteral("Příjmení"), QStringLiteral("Jméno"),
                             QStringLiteral("Rodné číslo"), QStringLiteral("Umístění")},
                            [this] { return m_list.rowCount(); },
                            [this](int row, int column) -> QVariant {
                                return EmployeeList::value(m_list.at(row), column);
                            },
                            this);
    m_grid->setModel(m_model);
    SetUpPickGrid(m_grid);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    const int widths[] = {66, 70, 70, 70, 90};
    for (int column = 0; column < EmployeeList::ColumnCount; ++column)
        m_grid->setColumnWidth(column, widths[column]);
    QPushButton *searchButton = m_ui->searchButton;

    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, &TDBListView::sortByColumn);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current, const QModelIndex &) {
                if (!m_moving && current.isValid())
                    m_list.setCurrent(current.row());
            });
    connect(searchButton, &QPushButton::clicked, this, &TDBListView::search);
    // Enter in the search field searches instead of closing the picker.
    connect(m_search, &QLineEdit::returnPressed, this, &TDBListView::search);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TDBListView::prepare(Connection &company, int id)
{
    m_list.load(company);
    m_model->reset();
    m_list.open(id);
    showCurrent();
}

void TDBListView::showCurrent()
{
    const int current = m_list.current();
    if (current < 0)
        return;
    m_moving = true;
    const QModelIndex index = m_model->index(current, 0);
    m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
    m_moving = false;
}

void TDBListView::sortByColumn(int column)
{
    m_list.sortBy(column);
    m_model->reset();
    m_grid->horizontalHeader()->setSortIndicatorShown(true);
    m_grid->horizontalHeader()->setSortIndicator(column, m_list.ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    showCurrent();
}

void TDBListView::search()
{
    if (m_list.search(m_search->text()))
        showCurrent();
}

TDBListView::~TDBListView() = default;

int TDBListView::Open(QWidget *parent, const QString &caption, int id)
{
    TDBListView form(caption, parent);
    return ExecPicker(
        form, parent, [&] { form.prepare(CompanyConnection(), id); }, [&] { return form.list().currentId(id); }, id);
}
