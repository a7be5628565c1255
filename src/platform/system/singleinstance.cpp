#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <unistd.h>

namespace {

// A running program answers within this time even on a loaded machine.
const int kAnswerMs = 5000;
const char kTaken = '\n';

} // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent) : QObject(parent), m_name(serverName(key))
{}

QString SingleInstance::serverName(const QString &key)
{
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("veltano-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

SingleInstance::Role SingleInstance::claim(const QString &lessonPath)
{
    QLockFile lock(QDir::temp().filePath(m_name + QStringLiteral(".lock")));
    lock.tryLock(kAnswerMs);
    switch (handToRunning(lessonPath)) {
    case Handing::Taken:
        return Role::Handed;
    case Handing::NoListener:
        listen();
        return Role::First;
    case Handing::NoAnswer:
        // A program listens but does not answer (hung): run beside it.
        return Role::First;
    }
    return Role::First;
}

SingleInstance::Handing SingleInstance::handToRunning(const QString &lessonPath) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kAnswerMs))
        return Handing::NoListener;
    socket.write(lessonPath.toUtf8() + kTaken);
    if (!socket.waitForBytesWritten(kAnswerMs))
        return Handing::NoAnswer;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerMs))
            return Handing::NoAnswer;
    }
    return Handing::Taken;
}

void SingleInstance::listen()
{
    // A socket file left by a program that crashed would block listening.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        qWarning("Veltano: later launches cannot reach this one: %s", qPrintable(m_server->errorString()));
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

void SingleInstance::answer()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QString lessonPath = QString::fromUtf8(socket->readLine()).chopped(1);
            socket->write(QByteArray(1, kTaken));
            socket->flush();
            socket->disconnectFromServer();
            emit lessonHanded(lessonPath);
        });
    }
}
