#pragma once

#include "platform/documentconverter.h"

#include <QHash>
#include <QStringList>

// A converter that answers from what the test provided: a prepared HTML, text
// or PDF file or a slide show for a path, or a refusal; any other path is not
// found. A deck's pages are the PDF provided for it, its usual form the show
// if one was provided; a refusal refuses the usual form only. Answers
// come from the event loop, or only on answerHeld() while `hold` is set.
class FakeDocumentConverter : public DocumentConverter
{
    Q_OBJECT
public:
    void provide(const QString &path, ConvertedDocument::Format format, const QString &file);
    void refuse(const QString &path, const QString &reason);
    void answerHeld();

    void open(const QString &path, Urgency urgency = Urgency::Teacher, Form form = Form::Usual) override;
    void release() override;

    bool hold = false;
    QStringList requested;
    // The requests made for the teacher, who waits for them.
    QStringList urgent;
    // The requests made for a deck's still pages.
    QStringList pages;
    int releases = 0;

private:
    void answer(const QString &path, Form form);

    QMultiHash<QString, ConvertedDocument> m_documents;
    QHash<QString, QString> m_refusals;
    QList<QPair<QString, Form>> m_held;
};
