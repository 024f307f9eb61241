#include "SetupForm.h"

#include "Error.h"
#include "MessageBoxes.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

TSetUpForm::TSetUpForm(const FirmRegistry &registry, const QString &openDatabasePath, QWidget *parent)
    : QDialog(parent), m_setup(registry, this, openDatabasePath)
{
    setWindowTitle(QStringLiteral("Nastavení firem"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Seznam používaných firem"), this));
    FirmList = new QComboBox(this);
    layout->addWidget(FirmList);
    layout->addWidget(new QLabel(QStringLiteral("Název firmy"), this));
    NameEdit = new QLineEdit(this);
    layout->addWidget(NameEdit);
    layout->addWidget(new QLabel(QStringLiteral("Cesta k souborům"), this));
    PathEdit = new QLineEdit(this);
    PathEdit->setReadOnly(true);
    PathEdit->setStyleSheet(QStringLiteral("QLineEdit { background: rgb(216, 216, 216); }"));
    layout->addWidget(PathEdit);

    auto *buttons = new QHBoxLayout;
    AddButton = new QPushButton(QStringLiteral("Přidat firmu"), this);
    RemoveButton = new QPushButton(QStringLiteral("Odebrat firmu"), this);
    EditButton = new QPushButton(QStringLiteral("Upravit"), this);
    FindButton = new QPushButton(QStringLiteral("Najít"), this);
    for (QPushButton *button : {AddButton, RemoveButton, EditButton, FindButton}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    CloseButton = new QPushButton(QStringLiteral("Zavřít"), this);
    CloseButton->setAutoDefault(false);
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(CloseButton);
    layout->addLayout(closeRow);

    RemoveButton->setEnabled(false);
    EditButton->setEnabled(false);
    FindButton->setEnabled(false);

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
