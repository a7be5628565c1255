#pragma once

#include <QObject>
#include <QString>

// A lesson document in the form the desktop reads: HTML for word-processor
// documents and rich texts, PDF for decks (a PDF deck as it is), and a ".txt"
// file as it is.
struct ConvertedDocument {
    enum class Format { Html, PlainText, Pdf };
    QString source; // the path that was asked for
    QString file;   // the file to read
    Format format = Format::Html;
};

// Turns lesson documents into forms the desktop shows.
// Contract:
// - open() returns at once: a conversion runs in a process of its own, never
//   on the calling thread. Exactly one of opened() or failed() follows for each
//   call, always from the event loop, never from inside open().
// - What the teacher waits for converts before what is asked for in the
//   background; asking again for a document already on its way, urgently, hurries it.
// - A document whose content was converted before (under any name) opens from
//   the cache without a conversion.
// - failed() names the reason in words a teacher reads; nothing throws.
// - A conversion the teacher waits for is given up after kTeacherWaitSeconds.
// - release() stops every conversion and drops every request still waiting:
//   nothing more is emitted for them.
class DocumentConverter : public QObject
{
    Q_OBJECT
public:
    enum class Urgency { Background, Teacher };
    // The longest the teacher waits for a conversion before it is given up.
    static constexpr int kTeacherWaitSeconds = 30;

    using QObject::QObject;

    virtual void open(const QString &path, Urgency urgency = Urgency::Teacher) = 0;
    virtual void release() = 0;

signals:
    void opened(const ConvertedDocument &document);
    void failed(const QString &source, const QString &reason);
};
