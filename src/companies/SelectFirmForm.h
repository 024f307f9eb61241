#pragma once

// The company picker "Výběr firmy": a list of the companies and OK. Gives the
// chosen company's folder name, or nothing.

#include "FirmRegistry.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class TSelectFirmForm;
}

class QListWidget;
class QPushButton;

class TSelectFirmForm : public QDialog
{
    Q_OBJECT

public:
    explicit TSelectFirmForm(const FirmRegistry &registry, QWidget *parent = nullptr);
    ~TSelectFirmForm() override;

    QListWidget *FirmListBox = nullptr;
    QPushButton *OkButton = nullptr;

    // The folder of the company chosen with OK (or a double click).
    std::optional<QString> chosenFolder() const { return m_chosen; }

    // Shows the picker modally; the chosen folder or nothing.
    static std::optional<QString> pick(const FirmRegistry &registry, QWidget *parent);

public slots:
    void OkButtonClick();

private:
    std::unique_ptr<Ui::TSelectFirmForm> m_ui;
    const FirmRegistry &m_registry;
    std::optional<QString> m_chosen;
};
