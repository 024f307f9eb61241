#include "Pages.h"

#include "Connection.h"
#include "ResultSetModel.h"

#include <QHeaderView>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

FixedListPage::FixedListPage(const QString &statement, QWidget *parent)
    : QWidget(parent), m_statement(statement), m_grid(new QTableView(this)), m_model(new ResultSetModel(this)),
      m_sorted(new QSortFilterProxyModel(this))
{
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(Qt::EditRole);
    m_grid->setModel(m_sorted);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSortingEnabled(true);
    m_grid->horizontalHeader()->setSortIndicatorShown(true);
    m_grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    // The selected cell navy with yellow text, every other cell in the window colour.
    m_grid->setStyleSheet(QStringLiteral(
        "QTableView { background: palette(base); color: black; selection-background-color: rgb(0, 0, 128);"
        " selection-color: yellow; }"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
}

void FixedListPage::reopen(Connection &connection)
{
    close();
    m_model->setResult(connection.select(m_statement));
}

void FixedListPage::close()
{
    m_model->clear();
}

void FixedListPage::setColumnWidths(int width)
{
    for (int column = 0; column < m_model->columnCount(); ++column)
        m_grid->setColumnWidth(column, width);
}

PendingPage::PendingPage(const QString &text, QWidget *parent) : QWidget(parent)
{
    auto *label = new QLabel(text, this);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
}

