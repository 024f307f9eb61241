#pragma once

// The setup window "Nastavení firem": the list of companies, adding, renaming,
// removing and finding their folders. The work is done by FirmSetup.

#include "FirmSetup.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

class TSetUpForm : public QDialog
{
    Q_OBJECT

public:
    TSetUpForm(const FirmRegistry &registry, const QString &openDatabasePath, QWidget *parent = nullptr);

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

    FirmSetup m_setup;
};
