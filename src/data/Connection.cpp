#include "Connection.h"

#include "SqlTrace.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QString databaseText(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    return text;
}

// Statements are written with a closing ";", which Firebird's single-statement
// interface does not take.
QString withoutTerminator(QString sql)
{
    sql = sql.trimmed();
    while (sql.endsWith(QLatin1Char(';')))
        sql.chop(1);
    return sql;
}

QVariant fetchedValue(const QVariant &value)
{
    // Text large objects arrive as raw bytes in the connection's character set.
    if (value.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(value.toByteArray());
    return value;
}

} // namespace

bool ConnectionSettings::usesServer() const
{
    return !hostName.trimmed().isEmpty() && protocol.trimmed().compare(QLatin1String(EmbeddedProtocol), Qt::CaseInsensitive) != 0;
}

// ----------------------------------------------------------------- ResultSet

int ResultSet::columnIndex(const QString &column) const
{
    return int(columns.indexOf(column.toUpper()));
}

QVariant ResultSet::value(int row, const QString &column) const
{
    const int index = columnIndex(column);
    if (index < 0)
        throw TrelvoError(QStringLiteral("Výsledek dotazu nemá sloupec \"%1\".").arg(column));
    if (row < 0 || row >= rows.size())
        throw TrelvoError(QStringLiteral("Výsledek dotazu nemá řádek %1.").arg(row + 1));
    return rows.at(row).at(index);
}

QString ResultSet::text(int row, const QString &column) const
{
    return value(row, column).toString();
}

int ResultSet::integer(int row, const QString &column) const
{
    return value(row, column).toInt();
}

QDate ResultSet::date(int row, const QString &column) const
{
    return value(row, column).toDate();
}

QTime ResultSet::time(int row, const QString &column) const
{
    return value(row, column).toTime();
}

// ---------------------------------------------------------------- Connection

Connection::Connection(const QString &connectionName, SqlTrace *trace)
    : m_name(connectionName), m_trace(trace)
{
    QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_name);
}

Connection::~Connection()
{
    disconnect();
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

bool Connection::connected() const
{
    return database().isOpen();
}

void Connection::connect()
{
    if (connected())
        disconnect();
    QSqlDatabase db = database();
    if (!db.isValid())
        throw TrelvoError(QStringLiteral("Ovladač databáze Firebird (Qt SQL, QIBASE) není nainstalován."));
    db.setDatabaseName(settings.database);
    db.setHostName(settings.usesServer() ? settings.hostName.trimmed() : QString());
    db.setUserName(settings.user);
    db.setPassword(settings.password);
    const QString where = settings.usesServer() ? settings.hostName + QLatin1Char(':') + settings.database
                                                : settings.database;
    if (m_trace)
        m_trace->log(QStringLiteral("Connect"), where);
    if (!db.open()) {
        const QString reason = databaseText(db.lastError());
        if (m_trace)
            m_trace->log(QStringLiteral("Error"), reason);
        QString message = QStringLiteral("Databázi \"%1\" nelze otevřít.").arg(where);
        if (!settings.usesServer() && !QFileInfo::exists(settings.database))
            message += QStringLiteral(" Soubor neexistuje.");
        throw TrelvoError(message + QStringLiteral("\n\n") + reason);
    }
    ensureTransaction();
}

void Connection::disconnect()
{
    QSqlDatabase db = database();
    if (!db.isOpen())
        return;
    // Whatever an action left uncommitted is discarded, never committed by accident.
    if (db.driver())
        db.rollback();
    db.close();
    if (m_trace)
        m_trace->log(QStringLiteral("Disconnect"), settings.database);
}

void Connection::ensureTransaction()
{
    if (settings.autoCommit)
        return;
    QSqlDatabase db = database();
    // The driver reports false when a transaction is already running; that is fine.
    db.transaction();
}

void Connection::fail(const QString &what, const QString &reason, const QString &sql)
{
    if (m_trace)
        m_trace->log(QStringLiteral("Error"), reason + QStringLiteral(" | ") + sql);
    rollback();
    QString message = what + QStringLiteral("\n\n") + reason;
    if (!sql.isEmpty())
        message += QStringLiteral("\n\nPříkaz:\n") + sql;
    throw TrelvoError(message);
}

void Connection::execute(const QString &sql, const MemoParams &memos)
{
    if (!connected())
        connect();
    ensureTransaction();
    const QString statement = withoutTerminator(sql);
    if (m_trace)
        m_trace->log(QStringLiteral("Execute"), statement);
    QSqlQuery query(database());
    bool ok;
    if (memos.isEmpty()) {
        // No parameters: executed as it stands, so a ":" typed inside a text
        // is never taken for a parameter.
        ok = query.exec(statement);
    } else {
        ok = query.prepare(statement);
        if (ok) {
            for (const MemoParam &memo : memos)
                query.bindValue(QLatin1Char(':') + memo.name, memo.text.toUtf8());
            ok = query.exec();
        }
    }
    if (!ok)
        fail(QStringLiteral("Databáze odmítla provést příkaz."), databaseText(query.lastError()), statement);
}

ResultSet Connection::select(const QString &sql)
{
    if (!connected())
        connect();
    ensureTransaction();
    const QString statement = withoutTerminator(sql);
    if (m_trace)
        m_trace->log(QStringLiteral("Select"), statement);
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(statement))
        fail(QStringLiteral("Databáze odmítla provést dotaz."), databaseText(query.lastError()), statement);
    ResultSet result;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        result.columns << record.fieldName(i).toUpper();
    while (query.next()) {
        QVariantList row;
        row.reserve(record.count());
        for (int i = 0; i < record.count(); ++i)
            row << fetchedValue(query.value(i));
        result.rows << row;
    }
    if (query.lastError().isValid())
        fail(QStringLiteral("Čtení výsledku dotazu selhalo."), databaseText(query.lastError()), statement);
    return result;
}

std::optional<ResultSet> Connection::readRow(const QString &table, int id)
{
    ResultSet result = select(QStringLiteral("SELECT * FROM %1 WHERE ID=%2;").arg(table).arg(id));
    if (result.isEmpty())
        return std::nullopt;
    return result;
}

int Connection::nextId(const QString &table)
{
    const ResultSet result = select(QStringLiteral("SELECT GEN_ID(GEN_%1_ID,1) AS ID FROM RDB$DATABASE;").arg(table));
    return result.integer(0, QStringLiteral("ID"));
}

void Connection::commit()
{
    QSqlDatabase db = database();
    if (!db.isOpen())
        return;
    if (m_trace)
        m_trace->log(QStringLiteral("Commit"), settings.database);
    if (!db.commit() && db.lastError().isValid()) {
        const QString reason = databaseText(db.lastError());
        fail(QStringLiteral("Změny nelze v databázi potvrdit."), reason, QString());
    }
    ensureTransaction();
}

void Connection::rollback()
{
    QSqlDatabase db = database();
    if (!db.isOpen())
        return;
    if (m_trace)
        m_trace->log(QStringLiteral("Rollback"), settings.database);
    db.rollback();
    ensureTransaction();
}
