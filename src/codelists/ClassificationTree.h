#pragma once

// The classification trees (OKEČ, CZ-NACE, CZ-ISCO) without any window: the
// rows as read, the tree built from them and the search that marks nodes.

#include <QList>
#include <QString>

class Connection;

struct ClassificationRow
{
    QString code;
    QString name;
};

// How a row finds its parent.
enum class TreeRule {
    // The parent is the nearest node of the current path whose code begins
    // the row's code (CZ-NACE, CZ-ISCO).
    CodePrefix,
    // Each level extends the caption of its parent by a fixed number of
    // characters (OKEČ, two characters).
    FixedStep,
};

// One node per row: node i stands for row i.
struct ClassificationNode
{
    int parent = -1;
    int depth = 0;
    QList<int> children;
    QString caption;  // code, " - ", name
};

class ClassificationTree
{
public:
    void build(const QList<ClassificationRow> &rows, TreeRule rule, int step = 2);

    const QList<ClassificationRow> &rows() const { return m_rows; }
    const QList<ClassificationNode> &nodes() const { return m_nodes; }
    const QList<int> &topLevel() const { return m_topLevel; }
    int size() const { return int(m_nodes.size()); }

    // The nodes whose caption holds `text` exactly (case-sensitive), in row
    // order. An empty text finds nothing.
    QList<int> search(const QString &text) const;

    // The nesting written out, e.g. "1(11(111),12),2", by codes.
    QString shape() const;

    static QString caption(const ClassificationRow &row);

private:
    void add(int row, int parent);
    QString shapeOf(const QList<int> &nodes) const;

    QList<ClassificationRow> m_rows;
    QList<ClassificationNode> m_nodes;
    QList<int> m_topLevel;
};

// One of the three classifications and how its picker reads and builds it.
struct ClassificationKind
{
    QString caption;     // window caption
    QString table;
    QString codeColumn;
    QString query;       // rows in code order
    TreeRule rule;
    int codeLength;      // characters of the code handed back on selection
};

const ClassificationKind &OkecKind();
const ClassificationKind &CzIscoKind();
const ClassificationKind &CzNaceKind();

// Reads the whole table in code order; throws TrelvoError.
QList<ClassificationRow> LoadClassification(Connection &connection, const ClassificationKind &kind);

// The code put into "Kód" when a row is selected.
QString SelectedCode(const ClassificationKind &kind, const ClassificationRow &row);
