#include "SelectFirmForm.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TSelectFirmForm::TSelectFirmForm(const FirmRegistry &registry, QWidget *parent)
    : QDialog(parent), m_registry(registry)
{
    setWindowTitle(QStringLiteral("Výběr firmy"));
    auto *layout = new QVBoxLayout(this);
    FirmListBox = new QListWidget(this);
    layout->addWidget(FirmListBox);
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(OkButton);
    row->addStretch();
    layout->addLayout(row);
    FirmListBox->addItems(registry.ListFirms());
    connect(OkButton, &QPushButton::clicked, this, &TSelectFirmForm::OkButtonClick);
    connect(FirmListBox, &QListWidget::itemDoubleClicked, this, &TSelectFirmForm::OkButtonClick);
    resize(320, 260);
}

void TSelectFirmForm::OkButtonClick()
{
    const int row = FirmListBox->currentRow();
    if (row >= 0 && FirmListBox->currentItem() && FirmListBox->currentItem()->isSelected()) {
        if (const auto entry = m_registry.GetFirm(row)) {
            m_chosen = entry->folder;
            accept();
            return;
        }
    }
    reject();
}

std::optional<QString> TSelectFirmForm::pick(const FirmRegistry &registry, QWidget *parent)
{
    TSelectFirmForm form(registry, parent);
    form.exec();
    return form.chosenFolder();
}
