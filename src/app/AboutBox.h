#pragma once

// "O programu": the version, the executable's path, the maker and authors,
// and links to the maker's web and mail.

#include <QDialog>

class QLabel;

class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

    QLabel *Version = nullptr;
    QLabel *Comments = nullptr;
    QLabel *Links = nullptr;
    QLabel *UpdateLabel = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
