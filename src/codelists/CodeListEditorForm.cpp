#include "CodeListEditorForm.h"

#include "Connection.h"
#include "ListModel.h"
#include "MessageBoxes.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

TCodeListEditorForm::TCodeListEditorForm(const QString &table, const QStringList &fieldLabels,
                                         const QStringList &columnTitles, const QList<int> &columnWidths,
                                         bool withCancelButton, QWidget *parent)
    : QDialog(parent), m_table(table), m_columnTitles(columnTitles), m_columnWidths(columnWidths)
{
    m_grid = new QTableView(this);
    SetUpPickGrid(m_grid);
    // The last column (the name) takes the room the fixed widths leave.
    m_grid->horizontalHeader()->setStretchLastSection(true);

    auto *fields = new QFormLayout;
    for (const QString &label : fieldLabels) {
        auto *edit = new QLineEdit(this);
        const int index = int(m_fields.size());
        connect(edit, &QLineEdit::textEdited, this, [this, index](const QString &text) { fieldEdited(index, text); });
        m_fields.append(edit);
        fields->addRow(label, edit);
    }

    // Toolbar order and hints of the editing actions.
    struct ActionInfo { const char *text; const char *hint; QStyle::StandardPixmap icon; };
    const ActionInfo infos[ActionCount] = {
        {"První záznam", "První Záznam", QStyle::SP_MediaSkipBackward},
        {"Předchozí záznam", "Předchozí záznam", QStyle::SP_MediaSeekBackward},
        {"Další záznam", "Další záznam", QStyle::SP_MediaSeekForward},
        {"Poslední záznam", "Poslední záznam", QStyle::SP_MediaSkipForward},
        {"Přidat záznam", "Přidat záznam", QStyle::SP_FileIcon},
        {"Odstranit záznam", "Odstranit záznam", QStyle::SP_TrashIcon},
        {"Uložit změny", "", QStyle::SP_DialogSaveButton},
        {"Zrušit změny", "Zrušit změny", QStyle::SP_DialogCancelButton},
        {"Občerstvit", "Občerstvit", QStyle::SP_BrowserReload},
    };
    m_toolbar = new QToolBar(this);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (int i = 0; i < ActionCount; ++i) {
        auto *action = new QAction(style()->standardIcon(infos[i].icon), QString::fromUtf8(infos[i].text), this);
        action->setToolTip(QString::fromUtf8(infos[i].hint));
        connect(action, &QAction::triggered, this, [this, i] { trigger(Action(i)); });
        m_actions.append(action);
        m_toolbar->addAction(action);
        // "Uložit změny" has no hint; a tool button would show its text instead.
        if (infos[i].hint[0] == '\0')
            m_toolbar->widgetForAction(action)->installEventFilter(this);
    }

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    if (withCancelButton) {
        auto *cancel = new QPushButton(QStringLiteral("Storno"), this);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        buttons->addWidget(cancel);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(fields);
    layout->addWidget(m_toolbar);
    layout->addLayout(buttons);
}

bool TCodeListEditorForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip)
        return true;
    return QDialog::eventFilter(watched, event);
}

void TCodeListEditorForm::prepare(Connection &connection, const QString &value)
{
    m_editor = std::make_unique<CodeListEditor>(connection, m_table);
    const CodeListEditor *editor = m_editor.get();
    m_model = new ListModel(m_columnTitles, [editor] { return editor->rowCount(); },
                            [editor](int row, int column) -> QVariant { return editor->row(row).value(column); },
                            this);
    m_grid->setModel(m_model);
    for (int column = 0; column < m_columnWidths.size(); ++column)
        m_grid->setColumnWidth(column, m_columnWidths.at(column));
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current, const QModelIndex &) { gridMoved(current.row()); });
    m_editor->open(value);
    m_model->reset();
    showState();
}

void TCodeListEditorForm::showState()
{
    m_showing = true;
    const QStringList &values = m_editor->fields();
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i)->text() != values.value(i))
            m_fields.at(i)->setText(values.value(i));
    }
    const int current = m_editor->current();
    if (current >= 0) {
        const QModelIndex index = m_model->index(current, 0);
        m_grid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_grid->scrollTo(index);
    } else {
        m_grid->selectionModel()->clear();
    }
    // The grid cannot move to another row while a change is being typed.
    m_grid->setEnabled(!m_editor->editing());
    const EditorActions a = m_editor->actions();
    const bool enabled[ActionCount] = {a.first, a.prior, a.next, a.last, a.add, a.remove, a.save, a.cancel, a.refresh};
    for (int i = 0; i < ActionCount; ++i)
        m_actions.at(i)->setEnabled(enabled[i]);
    m_showing = false;
}

void TCodeListEditorForm::fieldEdited(int field, const QString &text)
{
    if (m_showing)
        return;
    m_editor->edit(field, text);
    showState();
}

void TCodeListEditorForm::gridMoved(int row)
{
    if (m_showing || row < 0)
        return;
    m_editor->moveTo(row);
    showState();
}

void TCodeListEditorForm::trigger(Action action)
{
    if (!m_actions.at(action)->isEnabled())
        return;
    try {
        switch (action) {
        case First: m_editor->first(); break;
        case Prior: m_editor->prior(); break;
        case Next: m_editor->next(); break;
        case Last: m_editor->last(); break;
        case Add: m_editor->add(); break;
        case Remove:
            if (!ConfirmCodeListDeletion(this))
                return;
            m_editor->remove();
            m_model->reset();
            break;
        case Save:
            m_editor->save();
            m_model->reset();
            break;
        case Cancel: m_editor->cancel(); break;
        case Refresh:
            m_editor->refresh();
            m_model->reset();
            break;
        case ActionCount: break;
        }
    } catch (const TrelvoError &error) {
        ShowError(this, error.message());
    }
    showState();
}

bool TCodeListEditorForm::keepTypedChanges()
{
    // A change typed but not saved would be lost by closing: offer to save it.
    if (!m_editor || !m_editor->editing())
        return true;
    if (!AskWarning(this, QStringLiteral("Změny v záznamu nejsou uloženy. Uložit je?")))
        return true;
    trigger(Save);
    return !m_editor->editing();  // a refused save keeps the dialog open
}

void TCodeListEditorForm::accept()
{
    if (keepTypedChanges())
        QDialog::accept();
}

void TCodeListEditorForm::reject()
{
    if (keepTypedChanges())
        QDialog::reject();
}

// ---------------------------------------------------------------- TZPForm

TZPForm::TZPForm(QWidget *parent)
    : TCodeListEditorForm(QStringLiteral("ZDRAVPOJ"), {QStringLiteral("Kód:"), QStringLiteral("Název:")},
                          {QStringLiteral("Kód"), QStringLiteral("Název")}, {50, 340}, true, parent)
{
    setWindowTitle(QStringLiteral("Zdravotní pojišťovny"));
    resize(480, 420);
}

CodeAndName TZPForm::result() const
{
    return {field(0)->text(), field(1)->text()};
}

std::optional<CodeAndName> TZPForm::Open(QWidget *parent, const QString &code, const QString &name)
{
    Q_UNUSED(name);
    TZPForm form(parent);
    return ExecPicker(
        form, parent, [&] { form.prepare(CommonConnection(), code); },
        [&] { return std::optional<CodeAndName>(form.result()); }, std::optional<CodeAndName>());
}

// ----------------------------------------------------------------- TForm5

TForm5::TForm5(const QString &table, const QString &caption, QWidget *parent)
    : TCodeListEditorForm(table, {QStringLiteral("Název:")}, {QStringLiteral("ID"), QStringLiteral("Název")}, {40, 278},
                          false, parent)
{
    setWindowTitle(caption);
    resize(400, 420);
}

CodeAndName TForm5::Open(QWidget *parent, const QString &table, const QString &caption, const QString &name)
{
    TForm5 form(table, caption, parent);
    return ExecPicker(
        form, parent, [&] { form.prepare(CommonConnection(), name); },
        [&] { return CodeAndName{form.editor().currentId(), form.editor().currentName()}; }, CodeAndName());
}
