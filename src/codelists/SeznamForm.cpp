#include "SeznamForm.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TSeznamForm::TSeznamForm(const QStringList &texts, const QString &caption, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(caption);
    resize(320, 360);
    m_list = new QListWidget(this);
    m_list->addItems(texts);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setEnabled(false);
    m_ok->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { m_ok->setEnabled(selectedIndex() >= 0); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

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
