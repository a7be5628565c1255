#pragma once

#include "platform/documentconverter.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class PaneNotice;

// The one document a pane waits for from the converter: while the teacher
// waits, the "正在打开…（最多 30 秒）" notice and a busy pointer over the pane; when it
// cannot be opened, a notice over the pane naming the file and the reason. A document
// asked for in the background (nobody waiting) fails quietly. Outcomes for
// other documents, or for one no longer waited for, are ignored.
class DocumentWait : public QObject
{
    Q_OBJECT
public:
    DocumentWait(DocumentConverter *converter, QWidget *workArea, QObject *parent = nullptr);

    // Asks for `path` in `form`. With `pane` the teacher waits over that pane
    // and the document goes ahead of those converting in the background;
    // asking again for the document already on its way only makes the teacher
    // wait for it. A deck's still pages stand in for a show that cannot be made.
    void request(const QString &path, QWidget *pane,
                 DocumentConverter::Form form = DocumentConverter::Form::Usual);
    // Nothing is waited for any more.
    void cancel();
    const QString &pending() const { return m_pending; }
    bool teacherWaits() const { return m_teacherWaits; }

    // The notice for a document that cannot be opened or read, over the pane
    // last waited over.
    void report(const QString &path, const QString &reason);
    // Any other failure, over `pane` (the pane last waited over when null).
    void tell(const QString &text, QWidget *pane = nullptr);

signals:
    // `waited` tells whether the teacher was waiting for it.
    void opened(const ConvertedDocument &document, bool waited);
    // The deck being waited for: its first slides, while its show is made.
    void stillPages(const ConvertedDocument &document);

private:
    void onOpened(const ConvertedDocument &document);
    void onFailed(const QString &source, const QString &reason);
    void stop();

    DocumentConverter *m_converter;
    PaneNotice *m_notice;
    QPointer<QWidget> m_pane;
    QString m_pending;
    DocumentConverter::Form m_form = DocumentConverter::Form::Usual;
    bool m_teacherWaits = false;
};
