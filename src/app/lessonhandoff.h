#pragma once

#include <QObject>
#include <QString>

class ScreenFlow;

// Lessons named from outside the program: on its command line, or by a later
// launch that hands its lesson over. Each is chosen on the home screen as if it
// had been picked with 打开配置文件; one that arrives while the home screen is
// not loaded waits for the home screen's next load step (after the lesson
// editor, or after a first start's editor).
class LessonHandOff : public QObject
{
    Q_OBJECT
public:
    explicit LessonHandOff(ScreenFlow &flow);

    // An empty path only brings the program's windows to the front.
    void hand(const QString &lessonPath);

private:
    void deliver();
    void bringToFront();

    ScreenFlow &m_flow;
    QString m_pending;
};
