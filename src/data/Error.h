#pragma once

#include <QString>
#include <exception>

// The one error type the program throws. Its message is shown to the user as it
// stands, so it is always Czech (with the database's own text appended where
// there is one). The window layer catches it in one place and shows a box.
class TrelvoError : public std::exception
{
public:
    explicit TrelvoError(const QString &message) : m_message(message), m_utf8(message.toUtf8()) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
