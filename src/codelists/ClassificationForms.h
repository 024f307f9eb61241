#pragma once

// The three classification pickers: a tree of the classification, the fields
// "Kód" and "Název" and the search that marks nodes.

#include "ClassificationTree.h"
#include "CodeLists.h"

#include <QDialog>

#include <memory>
#include <optional>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace Ui {
class ClassificationForm;
}

class TClassificationForm : public QDialog
{
    Q_OBJECT

public:
    TClassificationForm(const ClassificationKind &kind, QWidget *parent = nullptr);
    ~TClassificationForm() override;

    // Reads the table and builds the tree, puts the caller's code and name
    // into the fields and marks the nodes holding the code. Throws TrelvoError.
    void prepare(Connection &connection, const QString &code, const QString &name);

    // The texts of "Kód" and "Název" as they stand.
    CodeAndName result() const;

    // Marks the nodes whose caption holds the text of "Hledat".
    void search();

    const ClassificationTree &tree() const { return m_tree; }
    QTreeWidget *treeView() const { return m_view; }
    QTreeWidgetItem *item(int node) const { return m_items.value(node); }
    QList<int> marked() const { return m_marked; }
    QLineEdit *codeEdit() const { return m_code; }
    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *searchEdit() const { return m_search; }
    QPushButton *okButton() const { return m_ok; }

protected:
    // Opens the picker modally; the texts on "OK", nothing otherwise.
    static std::optional<CodeAndName> pick(const ClassificationKind &kind, QWidget *parent, const QString &code,
                                           const QString &name);

private:
    void buildView();
    void mark(const QString &text);
    void nodeSelected(QTreeWidgetItem *item);

    const ClassificationKind &m_kind;
    std::unique_ptr<Ui::ClassificationForm> m_ui;
    ClassificationTree m_tree;
    QList<QTreeWidgetItem *> m_items;
    QList<int> m_marked;
    bool m_building = false;

    QTreeWidget *m_view;
    QLineEdit *m_code;
    QLineEdit *m_name;
    QLineEdit *m_search;
    QPushButton *m_searchButton;
    QPushButton *m_ok;
    QPushButton *m_close;
};

class TOkecForm : public TClassificationForm
{
    Q_OBJECT
public:
    explicit TOkecForm(QWidget *parent = nullptr) : TClassificationForm(OkecKind(), parent) {}
    // The picked code and name, or nothing when closed without "OK".
    static std::optional<CodeAndName> Open(QWidget *parent, const QString &code, const QString &name)
    {
        return pick(OkecKind(), parent, code, name);
    }
};

class TCzIscoForm : public TClassificationForm
{
    Q_OBJECT
public:
    explicit TCzIscoForm(QWidget *parent = nullptr) : TClassificationForm(CzIscoKind(), parent) {}
    static std::optional<CodeAndName> Open(QWidget *parent, const QString &code, const QString &name)
    {
        return pick(CzIscoKind(), parent, code, name);
    }
};

class TCzNaceForm : public TClassificationForm
{
    Q_OBJECT
public:
    explicit TCzNaceForm(QWidget *parent = nullptr) : TClassificationForm(CzNaceKind(), parent) {}
    static std::optional<CodeAndName> Open(QWidget *parent, const QString &code, const QString &name)
    {
        return pick(CzNaceKind(), parent, code, name);
    }
};
