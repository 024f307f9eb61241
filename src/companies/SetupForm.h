#pragma once

// The setup window "Nastavení firem": the list of companies, adding, renaming,
// removing and finding their folders. The work is done by FirmSetup.

#include "FirmSetup.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TSetUpForm;
}

class QComboBox;
class QLineEdit;
class QPushButton;

class TSetUpForm : public QDialog
{
    Q_OBJECT

public:
    TSetUpForm(const FirmRegistry &registry, const QString &openDatabasePath, QWidget *parent = nullptr);
    ~TSetUpForm() override;

    QComboBox *FirmList = nullptr;
    QLineEdit *NameEdit = nullptr;
    QLineEdit *PathEdit = nullptr;
    QPushButton *AddButton = nullptr;
    QPushButton *RemoveButton = nullptr;
    QPushButton *EditButton = nullptr;
    QPushButton *FindButton = nullptr;
    QPushButton *CloseButton = nullptr;

public slots:
    void FirmListChange(int position);
    void AddButtonClick();
    void RemoveButtonClick();
    void EditButtonClick();
    void FindButtonClick();

private:
    void fillList(int select = -1);

    std::unique_ptr<Ui::TSetUpForm> m_ui;
    FirmSetup m_setup;
};
