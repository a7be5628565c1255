#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running program per program folder and user. A later launch hands its
// lesson path (or an empty one) to the running program over a local socket and
// ends; the running program hears it through lessonHanded.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Role {
        First,  // no program was running: this one listens for later launches
        Handed, // a running program took the lesson: this launch ends
    };

    // key: the program folder; launches with the same key meet.
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);

    // Hands the lesson to a running program, or else starts listening. The
    // check and the start of listening are one step for concurrent launches.
    Role claim(const QString &lessonPath);

    // The local socket's name for the key.
    static QString serverName(const QString &key);

signals:
    void lessonHanded(const QString &lessonPath);

private:
    enum class Handing { Taken, NoListener, NoAnswer };
    Handing handToRunning(const QString &lessonPath) const;
    void listen();
    void answer();

    QString m_name;
    QLocalServer *m_server = nullptr;
};
