#pragma once

// One running program per user and data folder. The first start listens on a
// local socket; a later start connects, asks the running program to come to
// the front and ends.

#include <QObject>
#include <QString>

class QLocalServer;

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // The socket name for the user and the data folder.
    static QString serverNameFor(const QString &dataFolder);

    explicit SingleInstance(const QString &serverName, QObject *parent = nullptr);

    // Asks a running program to come to the front. True when one answered
    // within `timeoutMs`; then this start should end.
    bool handOver(int timeoutMs = 3000) const;
    // Starts listening (a socket left behind by a crashed run is removed).
    bool listen();

signals:
    // A later start asked for the main window.
    void activationRequested();

private:
    QString m_serverName;
    QLocalServer *m_server = nullptr;
};
