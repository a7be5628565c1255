#pragma once

#include <QObject>
#include <QSet>
#include <QString>

struct ConvertedDocument;
class BusyNotice;
class DocumentConverter;
class MessageBox;
class QWidget;

// The one document a pane waits for from the converter: while the teacher
// waits, the "正在打开…" notice and a busy pointer over the pane; when it
// cannot be opened, one notice naming the file and the reason. A document
// asked for in the background (nobody waiting) fails quietly. Outcomes for
// other documents, or for one no longer waited for, are ignored.
class DocumentWait : public QObject
{
    Q_OBJECT
public:
    DocumentWait(DocumentConverter *converter, MessageBox *messageBox, QWidget *workArea,
                 QObject *parent = nullptr);

    // Asks for `path`. With `pane` the teacher waits over that pane and the
    // document goes ahead of those converting in the background; asking again
    // for the document already on its way only makes the teacher wait for it.
    void request(const QString &path, QWidget *pane);
    // Nothing is waited for any more.
    void cancel();
    const QString &pending() const { return m_pending; }
    bool teacherWaits() const { return m_teacherWaits; }

    // The notice for a document that cannot be opened or read. Each file is named
    // once for the same reason, however often the teacher asks for it again.
    void report(const QString &path, const QString &reason);

signals:
    // `waited` tells whether the teacher was waiting for it.
    void opened(const ConvertedDocument &document, bool waited);

private:
    void onOpened(const ConvertedDocument &document);
    void onFailed(const QString &source, const QString &reason);
    void stop();

    DocumentConverter *m_converter;
    MessageBox *m_messageBox;
    BusyNotice *m_busy;
    QString m_pending;
    bool m_teacherWaits = false;
    QSet<QString> m_reported;
};
