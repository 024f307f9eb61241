#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

// What a later start sends and what the running program answers.
const QByteArray ActivateMessage = "1126 1\n";
const QByteArray Acknowledgement = "ok\n";

} // namespace

QString SingleInstance::serverNameFor(const QString &dataFolder)
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    const QByteArray folderHash = QCryptographicHash::hash(QDir::cleanPath(dataFolder).toUtf8(),
                                                           QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("Trelvo-%1-%2").arg(user, QString::fromLatin1(folderHash));
}

SingleInstance::SingleInstance(const QString &serverName, QObject *parent) : QObject(parent), m_serverName(serverName)
{
}

bool SingleInstance::handOver(int timeoutMs) const
{
    QElapsedTimer timer;
    timer.start();
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(ActivateMessage);
    if (!socket.waitForBytesWritten(int(qMax<qint64>(1, timeoutMs - timer.elapsed()))))
        return false;
    // The running program answers once it has taken the request; a program
    // that hangs does not keep this start waiting for ever.
    QByteArray answer;
    while (!answer.contains('\n') && timer.elapsed() < timeoutMs) {
        if (!socket.waitForReadyRead(int(qMax<qint64>(1, timeoutMs - timer.elapsed()))))
            break;
        answer += socket.readAll();
    }
    socket.disconnectFromServer();
    return answer.startsWith(Acknowledgement.trimmed());
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) {
        // Nobody answered the hand-over, so the name is a leftover.
        QLocalServer::removeServer(m_serverName);
        if (!m_server->listen(m_serverName))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                const QByteArray line = socket->readLine();
                if (line == ActivateMessage) {
                    socket->write(Acknowledgement);
                    socket->flush();
                    emit activationRequested();
                }
            });
        }
    });
    return true;
}
