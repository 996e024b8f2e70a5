// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLocalServer>
#include <QObject>
#include <QString>

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

    // Whether this is the one game on the folder.
    bool isFirst() const { return m_lockFd >= 0 || !m_locked; }
    // Hands a request ("raise") to the first game; false when it did not
    // take it within a few seconds.
    bool ask(const QByteArray& request) const;

signals:
    // A later game's request, in the first game.
    void asked(const QByteArray& request);

private:
    void listen();

    QString m_socketPath;
    int m_lockFd = -1;
    bool m_locked = false; // another game holds the lock
    QLocalServer m_server;
};

} // namespace kibbo
