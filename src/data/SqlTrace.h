#pragma once

// The trace of everything the database layer does: connecting, statements,
// commits, rollbacks and errors. The last MaxTraceCount events stay in memory;
// each is also appended at once, as one line, to the trace file. A trace file
// that cannot be written never makes a database operation fail: the first
// failure is reported through `onWriteFailure`, and tracing goes on in memory.

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

class SqlTrace
{
public:
    static constexpr int MaxTraceCount = 1000;

    void setFileName(const QString &fileName);
    QString fileName() const { return m_fileName; }

    void log(const QString &kind, const QString &text);
    const std::deque<QString> &events() const { return m_events; }

    // Called once, with a Czech message, when the trace file cannot be written.
    std::function<void(const QString &message)> onWriteFailure;

private:
    void append(const QString &line);

    QString m_fileName;
    std::deque<QString> m_events;
    bool m_failureReported = false;
};
