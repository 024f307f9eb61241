#pragma once

// "Aktualizace číselníků": the user picks a code list and a downloaded file,
// sees how many rows were read and the first few, and confirms the replacement.

#include "CodeListImport.h"

#include <QDialog>

#include <memory>
#include <optional>

class Connection;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace Ui {
class CodeListImportForm;
}

class TCodeListImportForm : public QDialog
{
    Q_OBJECT

public:
    TCodeListImportForm(Connection &connection, QWidget *parent = nullptr);
    ~TCodeListImportForm() override;

    // Reads and checks the file for the chosen list; shows what was read or
    // the reason why not. True when it can be used.
    bool loadFile(const QString &path);
    // Asks, then replaces the table with a progress window. True when replaced.
    bool replace();

    void setTarget(ImportTarget target);
    ImportTarget target() const;
    QLabel *summary() const { return m_summary; }
    QTableWidget *preview() const { return m_preview; }
    QPushButton *replaceButton() const { return m_replace; }

private:
    void chooseFile();
    void showPreview();

    Connection &m_connection;
    std::unique_ptr<Ui::CodeListImportForm> m_ui;
    std::optional<ImportedList> m_list;
    QComboBox *m_target;
    QLineEdit *m_file;
    QLabel *m_summary;
    QTableWidget *m_preview;
    QPushButton *m_replace;
};
