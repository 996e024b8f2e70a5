// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SingleGame.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
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
                while (socket->canReadLine()) {
                    // The request, then a tab and the asker's activation
                    // token when it has one.
                    const QByteArray line = socket->readLine().trimmed();
                    const qsizetype tab = line.indexOf('\t');
                    const QByteArray request = tab < 0 ? line : line.left(tab);
                    const QByteArray token = tab < 0 ? QByteArray() : line.mid(tab + 1);
                    emit asked(request, token, [socket = QPointer<QLocalSocket>(socket)](bool cameToFront) {
                        if (socket)
                            socket->write(cameToFront ? "front\n" : "behind\n");
                    });
                }
            });
        }
    });
}

SingleGame::Answer SingleGame::ask(const QByteArray& request, const QByteArray& activationToken) const
{
    // A token is one word; anything else could not be read back as one.
    QByteArray line = request;
    if (!activationToken.isEmpty() && !activationToken.contains('\n') && !activationToken.contains('\t'))
        line += '\t' + activationToken;
    // The first game may have taken the lock a moment ago and not be
    // listening yet; it is given a few seconds.
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(500)) {
            socket.write(line + '\n');
            if (!socket.waitForBytesWritten(2000))
                return Answer::None;
            // It answers once the desktop has let its window come to the
            // front, or after a moment when it does not.
            const QDeadlineTimer answerBy(5000);
            while (!socket.canReadLine()) {
                if (!socket.waitForReadyRead(static_cast<int>(std::max<qint64>(answerBy.remainingTime(), 1))))
                    return Answer::None;
            }
            const QByteArray answer = socket.readLine().trimmed();
            socket.disconnectFromServer();
            return answer == "front" ? Answer::Front : Answer::Behind;
        }
        QThread::msleep(50);
    }
    return Answer::None;
}

} // namespace kibbo
