#pragma once

#include <QObject>
#include <QString>

// A lesson document in the form the desktop reads: HTML for word-processor
// documents and rich texts, a slide show for decks (the office suite's SVG with
// its presentation script, which plays the builds and transitions) or their
// pages as PDF (a PDF deck as it is), and a ".txt" file as it is.
struct ConvertedDocument {
    enum class Format { Html, PlainText, Pdf, Show };
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
// - A deck opens as a slide show; asked for its Pages, as PDF. On its way to a
//   show, a deck may first be answered by stillPages(): the first slides as
//   PDF, to stand in while the show is made (opened() or failed() follows).
// - release() stops every conversion and drops every request still waiting:
//   nothing more is emitted for them.
class DocumentConverter : public QObject
{
    Q_OBJECT
public:
    enum class Urgency { Background, Teacher };
    // The longest the teacher waits for a conversion before it is given up.
    static constexpr int kTeacherWaitSeconds = 30;
    // The usual form of a document, or a deck's still pages.
    enum class Form { Usual, Pages };

    using QObject::QObject;

    virtual void open(const QString &path, Urgency urgency = Urgency::Teacher, Form form = Form::Usual) = 0;
    virtual void release() = 0;

signals:
    void opened(const ConvertedDocument &document);
    void failed(const QString &source, const QString &reason);
    void stillPages(const ConvertedDocument &document);
};
