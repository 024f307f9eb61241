#pragma once

// The editing state machine shared by the insurer dialog and the name-list
// dialog, without any window: the rows, the current row, the browse and
// editing states, insert mode, and the statements that save and delete.

#include <QList>
#include <QString>
#include <QStringList>

class Connection;

// Which editing actions are enabled, in toolbar order.
struct EditorActions
{
    bool first = false;
    bool prior = false;
    bool next = false;
    bool last = false;
    bool add = false;
    bool remove = false;
    bool save = false;
    bool cancel = false;
    bool refresh = false;
};

class CodeListEditor
{
public:
    // `table` is ZDRAVPOJ (insurers: fields code and name) or ZRANENI /
    // CASTITELA (name lists: the field name).
    CodeListEditor(Connection &connection, const QString &table);

    QString table() const { return m_table; }

    // Reads the list and makes current the row matching `value` (the insurer
    // code, or the name of a name list), else the first row. Throws TrelvoError.
    void open(const QString &value);

    int rowCount() const { return int(m_rows.size()); }
    // Insurers: KODZP, JMENO; name lists: ID, NAZEV.
    const QStringList &row(int index) const { return m_rows.at(index); }
    int current() const { return m_current; }  // -1 when the list is empty

    // The field texts as shown: insurers code and name, name lists the name.
    const QStringList &fields() const { return m_fields; }
    int fieldCount() const { return m_insurers ? 2 : 1; }

    bool editing() const { return m_editing; }
    bool insertMode() const { return m_insertMode; }
    EditorActions actions() const;

    // The user changed a field's text.
    void edit(int field, const QString &text);

    // The moves; only in the browse state.
    void moveTo(int row);
    void first() { moveTo(0); }
    void prior() { moveTo(m_current - 1); }
    void next() { moveTo(m_current + 1); }
    void last() { moveTo(rowCount() - 1); }

    void add();
    // Inserts or changes the row and commits, then reads the list again with
    // the saved row current. When the database refuses, throws TrelvoError and changes
    // nothing: the editing state, insert mode and the typed texts stay.
    void save();
    void cancel();
    // Deletes the current row (the caller has asked) and reopens the list.
    void remove();
    void refresh();

    // The current row's ID (as text) and name; empty without a row.
    QString currentId() const;
    QString currentName() const;

private:
    void read();
    void showCurrent();

    Connection &m_connection;
    QString m_table;
    bool m_insurers;
    QList<QStringList> m_rows;
    int m_current = -1;
    QStringList m_fields;
    bool m_editing = false;
    bool m_insertMode = false;
};
