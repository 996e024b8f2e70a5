// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>
#include <string>

namespace kibbo {

// One game per data folder. The first game started on a folder holds a
// kernel lock for its life (a killed game releases it at once) and listens
// for requests; a game started later on the same folder finds the lock
// taken, hands its request to the first one and ends, so that two games
// never compete for the same files. Games on other folders are unaffected.
class SingleGame final : public QObject {
    Q_OBJECT
public:
    explicit SingleGame(const std::string& dataFolder, QObject* parent = nullptr);
    ~SingleGame() override;

    // What the first game answers a request.
    enum class Answer {
        None,   // it did not take the request within a few seconds
        Front,  // its window came to the front
        Behind, // the desktop kept its window where it was
    };
    // Called once by the first game on a request: whether its window came
    // to the front.
    using Reply = std::function<void(bool cameToFront)>;

    // Whether this is the one game on the folder.
    bool isFirst() const { return m_lockFd >= 0 || !m_locked; }
    // Hands a request ("raise" or "records") to the first game, with the
    // activation token this start was given by whatever launched it (may
    // be empty), and waits a few seconds for its answer.
    Answer ask(const QByteArray& request, const QByteArray& activationToken) const;

signals:
    // A later game's request, in the first game, which answers it through
    // reply.
    void asked(const QByteArray& request, const QByteArray& activationToken, const kibbo::SingleGame::Reply& reply);

private:
    void listen();

    QString m_socketPath;
    int m_lockFd = -1;
    bool m_locked = false; // another game holds the lock
    QLocalServer m_server;
};

} // namespace kibbo
