#pragma once

// One Firebird database connection with the program's settings, and the
// statement helpers every window uses.
//
// A change is a few statements followed by one commit. When a statement fails
// the connection rolls the whole open transaction back before it throws, so
// the earlier statements of a failed action are never committed later by some
// unrelated action.

#include "Error.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>

#include <optional>
#include <utility>

class SqlTrace;

// The protocol of the embedded engine: the program opens the database files itself.
inline const char *EmbeddedProtocol = "firebirdd-2.0";
// The client/server protocol: the database lies on a Firebird server at the host.
inline const char *ServerProtocol = "firebird-2.0";

struct ConnectionSettings
{
    QString protocol = QString::fromLatin1(EmbeddedProtocol);
    QString hostName;
    QString database;
    QString user = QStringLiteral("sysdba");
    QString password = QStringLiteral("pondelnik");
    // Texts are stored in Windows-1250; the driver talks UTF-8 and the server
    // translates between the two.
    QString codePage = QStringLiteral("WIN1250");
    bool autoCommit = false;

    // True when the statements go to a server at `hostName`.
    bool usesServer() const;
};

// A long text that travels as a named large-object parameter (":Poznamka").
struct MemoParam
{
    QString name;
    QString text;
};
using MemoParams = QList<MemoParam>;

// All rows of a result, fetched to the end. Values are taken by column name;
// large text objects come back as text.
class ResultSet
{
public:
    QStringList columns;
    QList<QVariantList> rows;

    int rowCount() const { return int(rows.size()); }
    bool isEmpty() const { return rows.isEmpty(); }
    int columnIndex(const QString &column) const;  // -1 when missing
    QVariant value(int row, const QString &column) const;  // throws on an unknown column
    QString text(int row, const QString &column) const;    // NULL gives ""
    int integer(int row, const QString &column) const;     // NULL gives 0
    QDate date(int row, const QString &column) const;
    QTime time(int row, const QString &column) const;
};

class Connection
{
public:
    Connection(const QString &connectionName, SqlTrace *trace);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    ConnectionSettings settings;

    void connect();     // opens with the current settings; throws TrelvoError
    void disconnect();
    bool connected() const;

    // Runs a statement that returns no rows. Memo parameters are bound by name.
    void execute(const QString &sql, const MemoParams &memos = {});
    // Runs a query and fetches every row.
    ResultSet select(const QString &sql);
    // "SELECT * FROM <table> WHERE ID=<id>;" — nothing when the row is gone.
    std::optional<ResultSet> readRow(const QString &table, int id);
    // Draws the next identifier of GEN_<table>_ID; each call advances it.
    int nextId(const QString &table);

    void commit();
    void rollback();

    // Runs `statements` and commits once; rolls back and rethrows when any of
    // them throws.
    template <typename Statements>
    void change(Statements &&statements)
    {
        try {
            std::forward<Statements>(statements)();
            commit();
        } catch (...) {
            rollback();
            throw;
        }
    }

    QSqlDatabase database() const;

private:
    void ensureTransaction();
    [[noreturn]] void fail(const QString &what, const QString &databaseText, const QString &sql);

    QString m_name;
    SqlTrace *m_trace;
};
