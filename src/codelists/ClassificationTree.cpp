#include "ClassificationTree.h"

#include "Connection.h"
#include "SqlLiteral.h"

QString ClassificationTree::caption(const ClassificationRow &row)
{
    return row.code + QStringLiteral(" - ") + row.name;
}

void ClassificationTree::add(int row, int parent)
{
    ClassificationNode &node = m_nodes[row];
    node.parent = parent;
    if (parent < 0) {
        node.depth = 0;
        m_topLevel.append(row);
    } else {
        node.depth = m_nodes[parent].depth + 1;
        m_nodes[parent].children.append(row);
    }
}

void ClassificationTree::build(const QList<ClassificationRow> &rows, TreeRule rule, int step)
{
    m_rows = rows;
    m_nodes.clear();
    m_topLevel.clear();
    m_nodes.resize(rows.size());
    for (int i = 0; i < rows.size(); ++i)
        m_nodes[i].caption = caption(rows.at(i));

    if (rule == TreeRule::CodePrefix) {
        // The nodes of the current path, deepest last.
        QList<int> path;
        for (int i = 0; i < rows.size(); ++i) {
            const QString &code = rows.at(i).code;
            while (!path.isEmpty() && !code.startsWith(rows.at(path.last()).code))
                path.removeLast();
            add(i, path.isEmpty() ? -1 : path.last());
            path.append(i);
        }
        return;
    }

    // Fixed step: P is the current node, K the key its children's captions
    // begin with.
    int current = -1;
    QString key;
    for (int i = 0; i < rows.size(); ++i) {
        const QString &text = m_nodes.at(i).caption;
        while (!text.startsWith(key)) {
            current = current < 0 ? -1 : m_nodes.at(current).parent;
            key.chop(step);  // an empty key begins every caption
        }
        add(i, current);
        current = i;
        key = text.left(key.size() + step);
    }
}

QList<int> ClassificationTree::search(const QString &text) const
{
    QList<int> found;
    if (text.isEmpty())
        return found;
    for (int i = 0; i < m_nodes.size(); ++i) {
        if (m_nodes.at(i).caption.contains(text, Qt::CaseSensitive))
            found.append(i);
    }
    return found;
}

QString ClassificationTree::shapeOf(const QList<int> &nodes) const
{
    QStringList parts;
    for (int node : nodes) {
        QString part = m_rows.at(node).code;
        if (!m_nodes.at(node).children.isEmpty())
            part += QLatin1Char('(') + shapeOf(m_nodes.at(node).children) + QLatin1Char(')');
        parts << part;
    }
    return parts.join(QLatin1Char(','));
}

QString ClassificationTree::shape() const
{
    return shapeOf(m_topLevel);
}

const ClassificationKind &OkecKind()
{
    static const ClassificationKind kind{QStringLiteral("OKEČ"), QStringLiteral("OKEC"), QStringLiteral("KODOKEC"),
                                         QStringLiteral("SELECT * FROM OKEC ORDER BY KODOKEC;"), TreeRule::FixedStep, 6};
    return kind;
}

const ClassificationKind &CzIscoKind()
{
    static const ClassificationKind kind{QStringLiteral("CZ-ISCO"), QStringLiteral("CZISCO"), QStringLiteral("KODCZISCO"),
                                         QStringLiteral("SELECT * FROM CZISCO ORDER BY KODCZISCO"), TreeRule::CodePrefix, 5};
    return kind;
}

const ClassificationKind &CzNaceKind()
{
    static const ClassificationKind kind{QStringLiteral("CZ-NACE"), QStringLiteral("CZNACE"), QStringLiteral("KODCZNACE"),
                                         QStringLiteral("SELECT * FROM CZNACE ORDER BY KODCZNACE"), TreeRule::CodePrefix, 5};
    return kind;
}

QList<ClassificationRow> LoadClassification(Connection &connection, const ClassificationKind &kind)
{
    const ResultSet result = connection.select(kind.query);
    QList<ClassificationRow> rows;
    rows.reserve(result.rowCount());
    const int code = result.columnIndex(kind.codeColumn);
    const int name = result.columnIndex(QStringLiteral("NAZEV"));
    for (const QVariantList &row : result.rows)
        rows.append({UnescapeSqlText(row.at(code).toString()), UnescapeSqlText(row.at(name).toString())});
    return rows;
}

QString SelectedCode(const ClassificationKind &kind, const ClassificationRow &row)
{
    return row.code.left(kind.codeLength);
}
