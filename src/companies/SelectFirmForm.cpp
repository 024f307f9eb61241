#include "SelectFirmForm.h"

#include "ui_SelectFirmForm.h"

#include <QListWidget>
#include <QPushButton>

TSelectFirmForm::TSelectFirmForm(const FirmRegistry &registry, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TSelectFirmForm>()), m_registry(registry)
{
    m_ui->setupUi(this);
    FirmListBox = m_ui->FirmListBox;
    OkButton = m_ui->OkButton;
    FirmListBox->addItems(registry.ListFirms());
    connect(OkButton, &QPushButton::clicked, this, &TSelectFirmForm::OkButtonClick);
    connect(FirmListBox, &QListWidget::itemDoubleClicked, this, &TSelectFirmForm::OkButtonClick);
}

TSelectFirmForm::~TSelectFirmForm() = default;

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
