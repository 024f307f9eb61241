#pragma once

// The two code-list editors: the insurer dialog "Zdravotní pojišťovny" and
// the name-list dialog (kinds of injury, parts of the body). Both show the
// list, the fields of the current row and the toolbar of editing actions,
// and run the one state machine of CodeListEditor.

#include "CodeListEditor.h"
#include "CodeLists.h"

#include <QDialog>

#include <memory>
#include <optional>

class ListModel;
class QAction;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolBar;

class TCodeListEditorForm : public QDialog
{
    Q_OBJECT

public:
    enum Action { First, Prior, Next, Last, Add, Remove, Save, Cancel, Refresh, ActionCount };

    // Reads the list and moves to the row of `value`. Throws TrelvoError.
    void prepare(Connection &connection, const QString &value);

    CodeListEditor &editor() { return *m_editor; }
    QTableView *grid() const { return m_grid; }
    QLineEdit *field(int index) const { return m_fields.at(index); }
    QAction *action(Action action) const { return m_actions.at(action); }
    QPushButton *okButton() const { return m_ok; }

    // Runs an action as its toolbar button does (errors shown, never thrown).
    void trigger(Action action);

    void accept() override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    TCodeListEditorForm(const QString &table, const QStringList &fieldLabels, const QStringList &columnTitles,
                        const QList<int> &columnWidths, bool withCancelButton, QWidget *parent);

    QString m_table;

private:
    void showState();
    void fieldEdited(int field, const QString &text);
    void gridMoved(int row);
    bool keepTypedChanges();

    std::unique_ptr<CodeListEditor> m_editor;
    ListModel *m_model = nullptr;
    QStringList m_columnTitles;
    QList<int> m_columnWidths;
    QTableView *m_grid;
    QToolBar *m_toolbar;
    QList<QAction *> m_actions;
    QList<QLineEdit *> m_fields;
    QPushButton *m_ok;
    bool m_showing = false;
};

// "Zdravotní pojišťovny": insurer code and name.
class TZPForm : public TCodeListEditorForm
{
    Q_OBJECT
public:
    explicit TZPForm(QWidget *parent = nullptr);
    CodeAndName result() const;

    // The texts of the code and name fields on "OK", nothing otherwise.
    static std::optional<CodeAndName> Open(QWidget *parent, const QString &code, const QString &name);
};

// A name list (ZRANENI or CASTITELA) under a caption given by the caller.
class TForm5 : public TCodeListEditorForm
{
    Q_OBJECT
public:
    TForm5(const QString &table, const QString &caption, QWidget *parent = nullptr);

    // The current row's ID (as text) and name on "OK"; two empty texts on
    // any other ending.
    static CodeAndName Open(QWidget *parent, const QString &table, const QString &caption, const QString &name);
};
