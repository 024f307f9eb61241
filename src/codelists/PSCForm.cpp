#include "PSCForm.h"

#include "CodeLists.h"
#include "Connection.h"
#include "ListModel.h"
#include "MessageBoxes.h"

#include "ui_PSCForm.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

TPSCForm::TPSCForm(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::PSCForm>())
{
    m_ui->setupUi(this);
    m_grid = m_ui->grid;
    m_search = m_ui->search;
    m_psc = m_ui->psc;
    m_town = m_ui->town;

    m_model = new ListModel({QStringLiteral("PSČ"), QStringLiteral("Obec"), QStringLiteral("Pošta"), QStringLiteral("Okres")},
                            [this] { return m_list.rowCount(); },
                            [this](int row, int column) -> QVariant {
                                return PostcodeList::value(m_list.at(row), column);
                            },
                            this);
    m_grid->setModel(m_model);
    SetUpPickGrid(m_grid);
    m_grid->horizontalHeader()->setSectionsClickable(true);
    m_grid->horizontalHeader()->setSortIndicatorShown(false);
    const int widths[] = {50, 150, 150, 150};
    for (int column = 0; column < PostcodeList::ColumnCount; ++column)
        m_grid->setColumnWidth(column, widths[column]);

    connect(m_ui->ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionClicked, this, &TPSCForm::sortByColumn);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current, const QModelIndex &) { gridMoved(current); });
    connect(m_search, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (m_list.findTown(text))
            showCurrent();
    });
}

void TPSCForm::prepare(Connection &connection, const QString &psc, const QString &town)
{
    m_list.load(connection);
    m_model->reset();
    // With an empty list the caller's own values stay in the fields, so "Ok"
    // cannot blank the caller's postcode and town.
    m_psc->setText(psc);
    m_town->setText(town);
    m_list.open(psc, town);
    showCurrent();
}

void TPSCForm::showCurrent()
{
    const int current = m_list.current();
    m_moving = true;
    if (current >= 0) {
        const QModelIndex index = m_model->index(current, 0);
        m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_grid->scrollTo(index);
        m_psc->setText(m_list.at(current).psc);
        m_town->setText(m_list.at(current).obec);
    }
    m_moving = false;
}

void TPSCForm::gridMoved(const QModelIndex &current)
{
    if (m_moving || !current.isValid())
        return;
    m_list.setCurrent(current.row());
    m_psc->setText(m_list.at(current.row()).psc);
    m_town->setText(m_list.at(current.row()).obec);
}

void TPSCForm::sortByColumn(int column)
{
    m_list.sortBy(column);
    m_model->reset();
    m_grid->horizontalHeader()->setSortIndicatorShown(true);
    m_grid->horizontalHeader()->setSortIndicator(column, Qt::AscendingOrder);
    showCurrent();
}

TPSCForm::~TPSCForm() = default;

PostcodeAndTown TPSCForm::result() const
{
    return {m_psc->text(), m_town->text()};
}

std::optional<PostcodeAndTown> TPSCForm::Open(QWidget *parent, const QString &psc, const QString &town)
{
    TPSCForm form(parent);
    return ExecPicker(
        form, parent, [&] { form.prepare(CommonConnection(), psc, town); },
        [&] { return std::optional<PostcodeAndTown>(form.result()); }, std::optional<PostcodeAndTown>());
}
