#pragma once
// One copy of the front end per user: the first copy listens on a local socket; a second start
// connects, asks the first to come to the front, and ends.

#include <QObject>
#include <QString>

class QLocalServer;

namespace quillon {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    /// The socket name of this user's front end.
    static QString DefaultServerName();

    explicit SingleInstance(QString serverName, QObject* parent = nullptr);

    /// True when another copy answers; it has then been asked to come to the front.
    bool SignalRunningCopy();
    /// True when another copy answers; it is asked nothing.
    bool RunningCopyAnswers();
    /// Starts listening for later copies; false when the socket cannot be made.
    bool Listen();

signals:
    void BringToFrontRequested();

private:
    QString serverName;
    QLocalServer* server = nullptr;
};

}  // namespace quillon
