#pragma once

#include "check/logic/mediacontent.h"
#include "lesson/lessonbook.h"
#include "lesson/lessonmedia.h"

#include <QObject>

class DocumentConverter;
class MediaProbe;
struct ConvertedDocument;

// Checks every medium of a lesson in the background, one after the other:
// is the file there (else files of the same name are looked for), does its
// content fit, and does the media back end open it or the document converter
// convert it (into its cache, so the lesson later opens it at once).
class LessonChecker : public QObject
{
    Q_OBJECT
public:
    LessonChecker(LessonBook book, MediaProbe &probe, DocumentConverter &converter,
                  QObject *parent = nullptr);

    // Reads the lesson file and starts. False, with the reason in `error`, when
    // the file cannot be read as a lesson.
    bool start(const QString &lessonPath, QString *error);
    // Checks one medium again, e.g. after its name was mended to `path`.
    void recheck(int index, const QString &stored, const QString &path);

    const QList<CheckItem> &items() const { return m_items; }
    const LessonRecord &fields() const { return m_fields; }
    bool isFinished() const { return m_next >= m_queue.size() && !m_busy; }

signals:
    void itemChecked(int index);
    void progress(int done, int total);
    void finished();

private:
    void checkNext();
    void examined(int index, bool exists, const QString &contentReason, mediacontent::BackEnd backEnd,
                  const QStringList &candidates);
    void converted(const QString &source, const QString &reason);
    void settle(int index, CheckItem::Status status, const QString &reason);

    LessonBook m_book;
    MediaProbe &m_probe;
    DocumentConverter &m_converter;
    // The item whose document the converter is working on; -1 for none.
    int m_converting = -1;
    // Why the deck being converted cannot play as a show, once its pages are asked for.
    QString m_showProblem;
    LessonRecord m_fields;
    QList<CheckItem> m_items;
    QList<int> m_queue;
    int m_next = 0;
    int m_done = 0;
    bool m_busy = false;
};
