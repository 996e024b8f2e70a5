// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SingleGame.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kibbo {

namespace {

// Where the lock and the socket of a data folder lie: the player's runtime
// folder, named after the folder's real path so that two spellings of one
// folder meet.
QString RendezvousPath(const std::string& dataFolder)
{
    const QFileInfo info(QString::fromStdString(dataFolder));
    const QString real = info.canonicalFilePath().isEmpty() ? info.absoluteFilePath() : info.canonicalFilePath();
    const QByteArray key = QCryptographicHash::hash(real.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + "/kibbo-" + QString::fromLatin1(key);
}

} // namespace

SingleGame::SingleGame(const std::string& dataFolder, QObject* parent)
    : QObject(parent)
    , m_socketPath(RendezvousPath(dataFolder) + ".socket")
{
    const QByteArray lockPath = QFile::encodeName(RendezvousPath(dataFolder) + ".lock");
    const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // Without a lock file (no writable runtime folder) the game still
    // starts; only the guard against a second game is lost.
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_locked = errno == EWOULDBLOCK;
        ::close(fd);
        return;
    }
    m_lockFd = fd;
    listen();
}

SingleGame::~SingleGame()
{
    m_server.close();
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

void SingleGame::listen()
{
    // A socket left by a killed game is in the way; only the lock's holder
    // may remove it.
    QLocalServer::removeServer(m_socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_socketPath))
        return;
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine())
                    emit asked(socket->readLine().trimmed());
            });
        }
    });
}

bool SingleGame::ask(const QByteArray& request) const
{
    // The first game may have taken the lock a moment ago and not be
    // listening yet; it is given a few seconds.
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(500)) {
            socket.write(request + '\n');
            const bool sent = socket.waitForBytesWritten(2000);
            socket.disconnectFromServer();
            return sent;
        }
        QThread::msleep(50);
    }
    return false;
}

} // namespace kibbo
