#include "CodeListEditor.h"

#include "Connection.h"
#include "SqlLiteral.h"

CodeListEditor::CodeListEditor(Connection &connection, const QString &table)
    : m_connection(connection), m_table(table.toUpper()), m_insurers(m_table == QLatin1String("ZDRAVPOJ"))
{
    if (!m_insurers && m_table != QLatin1String("ZRANENI") && m_table != QLatin1String("CASTITELA"))
        throw TrelvoError(QStringLiteral("Číselník \"%1\" nelze upravovat.").arg(table));
    m_fields = QStringList(fieldCount(), QString());
}

void CodeListEditor::read()
{
    const QString sql = m_insurers ? QStringLiteral("SELECT * FROM ZDRAVPOJ")
                                   : SqlFormat(QStringLiteral("SELECT * FROM %s;"), {m_table});
    const ResultSet result = m_connection.select(sql);
    m_rows.clear();
    for (int i = 0; i < result.rowCount(); ++i) {
        if (m_insurers) {
            m_rows.append({UnescapeSqlText(result.text(i, QStringLiteral("KODZP"))),
                           UnescapeSqlText(result.text(i, QStringLiteral("JMENO")))});
        } else {
            m_rows.append({QString::number(result.integer(i, QStringLiteral("ID"))),
                           UnescapeSqlText(result.text(i, QStringLiteral("NAZEV")))});
        }
    }
    m_current = m_rows.isEmpty() ? -1 : 0;
}

void CodeListEditor::open(const QString &value)
{
    m_insertMode = false;
    read();
    const int column = m_insurers ? 0 : 1;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).at(column) == value) {
            m_current = i;
            break;
        }
    }
    showCurrent();
}

void CodeListEditor::showCurrent()
{
    for (int field = 0; field < fieldCount(); ++field)
        m_fields[field] = m_current < 0 ? QString() : m_rows.at(m_current).at(m_insurers ? field : 1);
    m_editing = false;
}

EditorActions CodeListEditor::actions() const
{
    EditorActions a;
    if (m_editing) {
        a.save = true;
        a.cancel = true;
        return a;
    }
    a.first = a.prior = m_current > 0;
    a.next = a.last = m_current >= 0 && m_current < rowCount() - 1;
    a.add = true;
    a.refresh = true;
    a.remove = !m_rows.isEmpty();
    return a;
}

void CodeListEditor::edit(int field, const QString &text)
{
    if (field < 0 || field >= fieldCount())
        return;
    m_fields[field] = text;
    m_editing = true;
    if (m_rows.isEmpty())
        m_insertMode = true;
}

void CodeListEditor::moveTo(int row)
{
    // While a change is being typed the current row must not move: the
    // save would otherwise change another row than the one shown.
    if (m_editing || row < 0 || row >= rowCount())
        return;
    m_current = row;
    showCurrent();
}

void CodeListEditor::add()
{
    m_insertMode = true;
    for (QString &field : m_fields)
        field.clear();
    m_editing = true;
}

void CodeListEditor::save()
{
    // With no row left there is nothing to change: what was typed is a new row.
    const bool inserting = m_insertMode || m_current < 0;
    QString sql;
    if (m_insurers) {
        const QString code = EscapeSqlText(m_fields.at(0));
        const QString name = EscapeSqlText(m_fields.at(1));
        sql = inserting ? SqlFormat(QStringLiteral("INSERT INTO ZDRAVPOJ (KODZP, JMENO) VALUES ('%s', '%s');"), {code, name})
                        : SqlFormat(QStringLiteral("UPDATE ZDRAVPOJ SET KODZP = '%s', JMENO = '%s' WHERE KODZP = '%s'"),
                                    {code, name, EscapeSqlText(m_rows.at(m_current).at(0))});
    } else {
        const QString name = EscapeSqlText(m_fields.at(0));
        sql = inserting ? SqlFormat(QStringLiteral("INSERT INTO %s (NAZEV) VALUES ('%s');"), {m_table, name})
                        : SqlFormat(QStringLiteral("UPDATE %s SET NAZEV = '%s' WHERE ID = %d;"),
                                    {m_table, name, m_rows.at(m_current).at(0).toInt()});
    }
    m_connection.change([&] { m_connection.execute(sql); });
    const QString savedCode = m_fields.at(0);
    const QString savedId = inserting || m_insurers ? QString() : m_rows.at(m_current).at(0);
    const QString savedName = m_insurers ? QString() : m_fields.at(0);
    m_insertMode = false;
    read();
    // The saved row stays current, so that "OK" right after a save hands back
    // the row just saved and not whichever row the list begins with.
    int saved = -1;
    for (int i = 0; i < m_rows.size(); ++i) {
        const QStringList &row = m_rows.at(i);
        if (m_insurers ? row.at(0) == savedCode
                       : (!savedId.isEmpty() ? row.at(0) == savedId
                                             : row.at(1) == savedName
                                                   && (saved < 0 || row.at(0).toInt() > m_rows.at(saved).at(0).toInt())))
            saved = i;
    }
    if (saved >= 0)
        m_current = saved;
    showCurrent();
}

void CodeListEditor::cancel()
{
    m_insertMode = false;
    showCurrent();
}

void CodeListEditor::remove()
{
    if (m_current < 0)
        return;
    const QString sql = m_insurers
        ? SqlFormat(QStringLiteral("DELETE FROM ZDRAVPOJ WHERE KODZP='%s';"), {EscapeSqlText(m_rows.at(m_current).at(0))})
        : SqlFormat(QStringLiteral("DELETE FROM %s WHERE ID=%d;"), {m_table, m_rows.at(m_current).at(0).toInt()});
    m_connection.change([&] { m_connection.execute(sql); });
    m_insertMode = false;
    read();
    showCurrent();
}

void CodeListEditor::refresh()
{
    read();
    showCurrent();
}

QString CodeListEditor::currentId() const
{
    return m_current < 0 ? QString() : m_rows.at(m_current).at(0);
}

QString CodeListEditor::currentName() const
{
    return m_current < 0 ? QString() : m_rows.at(m_current).at(1);
}
