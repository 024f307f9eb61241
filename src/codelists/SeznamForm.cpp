#include "SeznamForm.h"

#include "ui_SeznamForm.h"

#include <QListWidget>
#include <QPushButton>

TSeznamForm::TSeznamForm(const QStringList &texts, const QString &caption, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SeznamForm>())
{
    m_ui->setupUi(this);
    setWindowTitle(caption);
    m_list = m_ui->list;
    m_ok = m_ui->ok;
    m_list->addItems(texts);

    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { m_ok->setEnabled(selectedIndex() >= 0); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

TSeznamForm::~TSeznamForm() = default;

int TSeznamForm::selectedIndex() const
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

int TSeznamForm::Choose(QWidget *parent, const QStringList &texts, const QString &caption)
{
    TSeznamForm form(texts, caption, parent);
    if (form.exec() != QDialog::Accepted)
        return -1;
    return form.selectedIndex();
}
