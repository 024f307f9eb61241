#include "ClassificationForms.h"

#include "Connection.h"
#include "MessageBoxes.h"
#include "ui_ClassificationForm.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

const QColor MarkBackground(255, 255, 160);

} // namespace

TClassificationForm::TClassificationForm(const ClassificationKind &kind, QWidget *parent)
    : QDialog(parent), m_kind(kind), m_ui(std::make_unique<Ui::ClassificationForm>())
{
    m_ui->setupUi(this);
    setWindowTitle(kind.caption);
    m_view = m_ui->tree;
    m_code = m_ui->code;
    m_name = m_ui->name;
    m_search = m_ui->search;
    m_searchButton = m_ui->searchButton;
    m_ok = m_ui->ok;
    m_close = m_ui->close;
    m_view->setMouseTracking(true);  // hot tracking
    // Sized to the captions once per build or search; sizing to contents on
    // every change of an item would make a search over many nodes slow.
    m_view->header()->setStretchLastSection(false);

    connect(m_view, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current, QTreeWidgetItem *) { nodeSelected(current); });
    connect(m_view, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item, int) { nodeSelected(item); });
    connect(m_searchButton, &QPushButton::clicked, this, &TClassificationForm::search);
    connect(m_search, &QLineEdit::returnPressed, this, &TClassificationForm::search);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void TClassificationForm::prepare(Connection &connection, const QString &code, const QString &name)
{
    m_tree.build(LoadClassification(connection, m_kind), m_kind.rule);
    buildView();
    m_code->setText(code);
    m_name->setText(name);
    m_code->setFocus();
    if (!code.isEmpty())
        mark(code);
}

void TClassificationForm::buildView()
{
    m_building = true;
    m_view->setUpdatesEnabled(false);
    m_view->clear();
    m_items.clear();
    m_marked.clear();
    const QList<ClassificationNode> &nodes = m_tree.nodes();
    m_items.resize(nodes.size());
    // Rows come parents first, so every parent's item exists before its children.
    for (int i = 0; i < nodes.size(); ++i) {
        const ClassificationNode &node = nodes.at(i);
        QTreeWidgetItem *item = node.parent < 0 ? new QTreeWidgetItem(m_view)
                                                : new QTreeWidgetItem(m_items.at(node.parent));
        item->setText(0, node.caption);
        item->setData(0, Qt::UserRole, i);
        m_items[i] = item;
    }
    m_view->resizeColumnToContents(0);
    m_view->setUpdatesEnabled(true);
    m_building = false;
}

void TClassificationForm::nodeSelected(QTreeWidgetItem *item)
{
    if (m_building || !item)
        return;
    const int node = item->data(0, Qt::UserRole).toInt();
    const ClassificationRow &row = m_tree.rows().at(node);
    m_code->setText(SelectedCode(m_kind, row));
    m_name->setText(row.name);
    item->setExpanded(true);
    m_ok->setEnabled(true);
}

void TClassificationForm::search()
{
    m_ok->setEnabled(false);
    mark(m_search->text());
}

void TClassificationForm::mark(const QString &text)
{
    // Redrawing waits until every node is marked: a search may mark hundreds.
    m_view->setUpdatesEnabled(false);
    QFont bold = m_view->font();
    bold.setBold(true);
    for (int node : std::as_const(m_marked)) {
        QTreeWidgetItem *item = m_items.at(node);
        item->setData(0, Qt::BackgroundRole, QVariant());
        item->setData(0, Qt::FontRole, QVariant());
    }
    m_marked = m_tree.search(text);
    for (int node : std::as_const(m_marked)) {
        QTreeWidgetItem *item = m_items.at(node);
        for (QTreeWidgetItem *parent = item->parent(); parent; parent = parent->parent()) {
            if (!parent->isExpanded())
                parent->setExpanded(true);
        }
        item->setBackground(0, MarkBackground);
        item->setFont(0, bold);
    }
    m_view->resizeColumnToContents(0);
    m_view->setUpdatesEnabled(true);
    if (!m_marked.isEmpty())
        m_view->scrollToItem(m_items.at(m_marked.first()));
}

TClassificationForm::~TClassificationForm() = default;

CodeAndName TClassificationForm::result() const
{
    return {m_code->text(), m_name->text()};
}

std::optional<CodeAndName> TClassificationForm::pick(const ClassificationKind &kind, QWidget *parent,
                                                     const QString &code, const QString &name)
{
    TClassificationForm form(kind, parent);
    return ExecPicker(
        form, parent, [&] { form.prepare(CommonConnection(), code, name); },
        [&] { return std::optional<CodeAndName>(form.result()); }, std::optional<CodeAndName>());
}
