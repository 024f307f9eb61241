#include "CodeListImportForm.h"

#include "Connection.h"
#include "MessageBoxes.h"

#include "ui_CodeListImportForm.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>

namespace {

const int PreviewRows = 10;

} // namespace

TCodeListImportForm::TCodeListImportForm(Connection &connection, QWidget *parent)
    : QDialog(parent), m_connection(connection), m_ui(std::make_unique<Ui::CodeListImportForm>())
{
    m_ui->setupUi(this);
    m_target = m_ui->target;
    m_file = m_ui->file;
    m_summary = m_ui->summary;
    m_preview = m_ui->preview;
    m_replace = m_ui->replace;
    QPushButton *browse = m_ui->browse;
    QPushButton *close = m_ui->close;
    for (const ImportTargetInfo &info : ImportTargets())
        m_target->addItem(info.caption, int(info.target));

    connect(browse, &QPushButton::clicked, this, &TCodeListImportForm::chooseFile);
    connect(m_replace, &QPushButton::clicked, this, &TCodeListImportForm::replace);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_target, &QComboBox::currentIndexChanged, this, [this] {
        // The same file read again for the newly chosen list.
        if (!m_file->text().isEmpty())
            loadFile(m_file->text());
    });
}

TCodeListImportForm::~TCodeListImportForm() = default;

void TCodeListImportForm::setTarget(ImportTarget target)
{
    m_target->setCurrentIndex(m_target->findData(int(target)));
}

ImportTarget TCodeListImportForm::target() const
{
    return ImportTarget(m_target->currentData().toInt());
}

void TCodeListImportForm::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Soubor s číselníkem"), QString(),
                                                      QStringLiteral("Soubory CSV (*.csv *.txt);;Všechny soubory (*)"));
    if (!path.isEmpty())
        loadFile(path);
}

bool TCodeListImportForm::loadFile(const QString &path)
{
    m_file->setText(path);
    m_list.reset();
    try {
        m_list = ReadCodeListFile(path, target(), m_connection);
    } catch (const TrelvoError &error) {
        showPreview();
        m_summary->setText(QStringLiteral("Soubor nelze použít: %1").arg(error.message()));
        ShowError(this, error.message());
        return false;
    }
    showPreview();
    return true;
}

void TCodeListImportForm::showPreview()
{
    m_preview->clear();
    m_preview->setRowCount(0);
    m_replace->setEnabled(m_list.has_value());
    if (!m_list) {
        m_preview->setColumnCount(0);
        m_summary->clear();
        return;
    }
    const ImportTargetInfo &info = TargetInfo(m_list->target);
    QString text = QStringLiteral("Načteno řádků: %1 (%2, kódování %3).")
                       .arg(m_list->rows.size()).arg(m_list->format, m_list->encoding);
    if (m_list->skipped > 0)
        text += QStringLiteral(" Vynecháno řádků sekcí bez číselného kódu: %1.").arg(m_list->skipped);
    text += QStringLiteral(" Prvních %1 řádků:").arg(qMin(PreviewRows, int(m_list->rows.size())));
    m_summary->setText(text);
    m_preview->setColumnCount(int(info.columns.size()));
    m_preview->setHorizontalHeaderLabels(info.titles);
    const int rows = qMin(PreviewRows, int(m_list->rows.size()));
    m_preview->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < info.columns.size(); ++column)
            m_preview->setItem(row, column, new QTableWidgetItem(m_list->rows.at(row).value(column)));
    }
    m_preview->resizeColumnToContents(0);
}

bool TCodeListImportForm::replace()
{
    if (!m_list)
        return false;
    const ImportTargetInfo &info = TargetInfo(m_list->target);
    const int total = int(m_list->rows.size());
    if (!Confirm(this, QStringLiteral("Celý obsah číselníku %1 bude nahrazen %2 řádky ze souboru. Pokračovat?")
                           .arg(info.caption).arg(total)))
        return false;
    QProgressDialog progress(QStringLiteral("Aktualizace číselníku %1…").arg(info.caption), QStringLiteral("Přerušit"),
                             0, total, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    try {
        ReplaceCodeList(m_connection, *m_list, [&progress](int done, int) {
            progress.setValue(done);
            QApplication::processEvents();
            return !progress.wasCanceled();
        });
    } catch (const TrelvoError &error) {
        progress.reset();
        ShowError(this, error.message());
        return false;
    }
    progress.reset();
    Inform(this, QStringLiteral("Číselník %1 byl aktualizován: %2 řádků.").arg(info.caption).arg(total));
    return true;
}
