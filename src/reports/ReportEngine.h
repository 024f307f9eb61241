#pragma once

// The report engine: fills a template from its data sources and produces a
// complete prepared document in memory before anything is shown.
//
// Bands print in the engine's order: report title (first page only), page
// header (every page of its template page), master header, master data (once
// per row of its source; the last master band's rows are each followed by the
// detail bands, and the last detail band's rows by the subdetail bands), child
// bands, master footer, page footer (bottom of every page). A box marked as growing takes the height
// its text needs; its band grows with it, pushes what follows down and, when the
// page is full, flows onto further pages.

#include "Connection.h"
#include "PreparedDocument.h"
#include "ReportTemplate.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

// A row source of a data band.
class DataSource
{
public:
    virtual ~DataSource() = default;
    virtual void first() = 0;
    virtual void next() = 0;
    virtual void prior() = 0;
    // True when the position is past the last row.
    virtual bool eof() const = 0;
    // The value of a column of the current row; nullopt when the source has no
    // such column (then the variables are asked). A known column past the last
    // row is empty.
    virtual std::optional<QVariant> value(const QString &) const { return std::nullopt; }
};

// A query-bound source: the fetched rows of a query. Text columns are stored in
// the escaped form of the literal rule and print unescaped; the memo columns
// named in `memoColumns` print as stored.
class QuerySource : public DataSource
{
public:
    QuerySource(ResultSet rows, QSet<QString> memoColumns);
    void first() override { m_position = 0; }
    void next() override { ++m_position; }
    void prior() override { --m_position; }
    bool eof() const override { return m_position < 0 || m_position >= m_rows.rowCount(); }
    std::optional<QVariant> value(const QString &column) const override;
    const ResultSet &rows() const { return m_rows; }

private:
    ResultSet m_rows;
    QSet<QString> m_memos;
    QHash<QString, int> m_columns;
    int m_position = 0;
};

// A program-driven source: the program supplies the four operations; the
// values come through the engine's variable callback.
class ProgramSource : public DataSource
{
public:
    std::function<void()> onFirst;
    std::function<void()> onNext;
    std::function<void()> onPrior;
    std::function<bool()> onEof;
    void first() override { if (onFirst) onFirst(); }
    void next() override { if (onNext) onNext(); }
    void prior() override { if (onPrior) onPrior(); }
    bool eof() const override { return onEof ? onEof() : true; }
};

// The usual program-driven source over a list: one integer position; first
// sets it to 0, next adds 1, prior subtracts 1, end-test compares with the count.
class CountedProgramSource : public ProgramSource
{
public:
    explicit CountedProgramSource(std::function<int()> count);
    int position = 0;
};

// A band that prints a fixed number of times without data.
class FixedCountSource : public DataSource
{
public:
    explicit FixedCountSource(int count) : m_count(count) {}
    void first() override { m_position = 0; }
    void next() override { ++m_position; }
    void prior() override { --m_position; }
    bool eof() const override { return m_position < 0 || m_position >= m_count; }

private:
    int m_count;
    int m_position = 0;
};

class ReportEngine
{
public:
    explicit ReportEngine(ReportTemplate report);


    // Registers a source under the name the template's bands use; not owned.
    void setSource(const QString &name, DataSource *source);

    // Asked for every bracketed name that is no column of the current row.
    std::function<std::optional<QVariant>(const QString &name)> variables;
    // Called for every item before it goes onto its page (a picture cell gets
    // its picture here).
    std::function<void(PreparedItem &item)> beforePrint;
    // Called after every finished page; answering false cancels preparing.
    std::function<bool(int pagesDone)> progress;

    // A blank form: every data band prints once with no data, every value is
    // left out (or replaced by the box's blank text) and every mark is empty.
    bool blank = false;
    // A name that nobody knows is an error (the documents fill from whole rows,
    // so a misspelt column is a fault of the template).
    bool strictNames = false;
    QDate printDate = QDate::currentDate();

    // Produces the whole document; nullopt when `progress` cancelled it. Runs
    // twice when the template prints the page total. Throws TrelvoError.
    std::optional<PreparedDocument> prepare();

private:
    ReportTemplate m_template;
    QHash<QString, DataSource *> m_sources;
};
