#include "AboutBox.h"

#include "Utils.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("O programu"));
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    auto *picture = new QLabel(this);
    picture->setPixmap(windowIcon().pixmap(48, 48));
    picture->setText(QStringLiteral("<b style='font-size:20pt; color:#006040'>Trelvo</b>"));
    top->addWidget(picture);
    auto *form = new QFormLayout;
    Version = new QLabel(this);
    form->addRow(QStringLiteral("Verze :"), Version);
    form->addRow(QStringLiteral("Výrobce :"), new QLabel(QStringLiteral("Kavrin"), this));
    form->addRow(QStringLiteral("Autoři :"), new QLabel(QStringLiteral("Vývojový tým Kavrin"), this));
    top->addLayout(form, 1);
    layout->addLayout(top);

    Comments = new QLabel(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()), this);
    Comments->setWordWrap(true);
    Comments->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(Comments);

    // Links open with the system's default handler for web and mail addresses.
    Links = new QLabel(QStringLiteral("<a href=\"https://www.kavrin.example/\">www.kavrin.example</a>, "
                                      "<a href=\"mailto:info@kavrin.example\">info@kavrin.example</a>"),
                       this);
    Links->setOpenExternalLinks(true);
    Links->setTextInteractionFlags(Qt::TextBrowserInteraction);
    layout->addWidget(Links);

    UpdateLabel = new QLabel(QStringLiteral("Aktualizace č.x"), this);
    UpdateLabel->setVisible(false);
    layout->addWidget(UpdateLabel);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    Version->setText(VersionText());
    setFixedSize(sizeHint());
}

void TAboutBox::showEvent(QShowEvent *event)
{
    Version->setText(VersionText());
    QDialog::showEvent(event);
}
