#include "SetupForm.h"

#include "ui_SetupForm.h"

#include "Error.h"
#include "MessageBoxes.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

TSetUpForm::TSetUpForm(const FirmRegistry &registry, const QString &openDatabasePath, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TSetUpForm>()), m_setup(registry, this, openDatabasePath)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    FirmList = m_ui->FirmList;
    NameEdit = m_ui->NameEdit;
    PathEdit = m_ui->PathEdit;
    AddButton = m_ui->AddButton;
    RemoveButton = m_ui->RemoveButton;
    EditButton = m_ui->EditButton;
    FindButton = m_ui->FindButton;
    CloseButton = m_ui->CloseButton;

    connect(FirmList, &QComboBox::activated, this, &TSetUpForm::FirmListChange);
    connect(AddButton, &QPushButton::clicked, this, &TSetUpForm::AddButtonClick);
    connect(RemoveButton, &QPushButton::clicked, this, &TSetUpForm::RemoveButtonClick);
    connect(EditButton, &QPushButton::clicked, this, &TSetUpForm::EditButtonClick);
    connect(FindButton, &QPushButton::clicked, this, &TSetUpForm::FindButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);

    fillList();
    resize(420, sizeHint().height());
    setFixedSize(size());
}

TSetUpForm::~TSetUpForm() = default;

void TSetUpForm::fillList(int select)
{
    FirmList->clear();
    FirmList->addItems(m_setup.names());
    FirmList->setCurrentIndex(select);
}

void TSetUpForm::FirmListChange(int position)
{
    const auto entry = position >= 0 ? m_setup.entry(position) : std::nullopt;
    RemoveButton->setEnabled(entry.has_value());
    EditButton->setEnabled(entry.has_value());
    FindButton->setEnabled(entry.has_value());
    if (!entry)
        return;
    NameEdit->setText(entry->name);
    PathEdit->setText(m_setup.pathForDisplay(*entry));
}

void TSetUpForm::AddButtonClick()
{
    try {
        if (m_setup.addFirm(NameEdit->text()).isEmpty())
            return;
        fillList();
        FirmListChange(-1);
    } catch (const TrelvoError &error) {
        ShowError(this, error.message());
    }
}

void TSetUpForm::EditButtonClick()
{
    const int position = FirmList->currentIndex();
    try {
        if (!m_setup.renameFirm(position, NameEdit->text()))
            return;
        fillList(position);
    } catch (const TrelvoError &error) {
        ShowError(this, error.message());
    }
}

void TSetUpForm::RemoveButtonClick()
{
    const int position = FirmList->currentIndex();
    try {
        if (!m_setup.removeFirm(position, NameEdit->text()))
            return;
    } catch (const TrelvoError &error) {
        ShowError(this, error.message());
    }
    fillList();
    RemoveButton->setEnabled(false);
    EditButton->setEnabled(false);
}

void TSetUpForm::FindButtonClick()
{
    if (!PathEdit->text().isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::fromNativeSeparators(PathEdit->text())));
}
