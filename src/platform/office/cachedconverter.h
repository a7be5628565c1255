#pragma once

#include "documentcache.h"
#include "platform/documentconverter.h"

#include <functional>
#include <QHash>
#include <QStringList>

class ConversionBackEnd;

// The document converter: checks that a file is what its name says, looks
// for its content in the cache, and otherwise has the back end convert it
// (one conversion per content, however many ask for it at once). A PDF is
// handed on as it is; a deck is made a slide show, or its pages a PDF. A
// content whose conversion ran out of time is remembered in the cache, and
// failed at once from then on.
class CachedDocumentConverter : public DocumentConverter
{
    Q_OBJECT
public:
    // Keeps `backEnd` (it becomes a child of the converter).
    CachedDocumentConverter(DocumentCache cache, ConversionBackEnd *backEnd, QObject *parent = nullptr);

    void open(const QString &path, Urgency urgency = Urgency::Teacher, Form form = Form::Usual) override;
    void release() override;

    // Conversions handed to the back end so far (cache hits start none).
    int conversionsStarted() const { return m_started; }

    // Why these bytes cannot be a document of this ending; empty when they can.
    static QString signatureProblem(const QString &suffix, const QByteArray &content);

private:
    struct Conversion {
        QString key;
        QString format;
        QString workFolder;
        QStringList sources;
        bool urgent = false;
    };

    void openPdf(const QString &path);
    void onFinished(int id, const QString &problem);
    QString outputProblem(const QString &file, const QString &format) const;
    void later(std::function<void()> emitter);

    DocumentCache m_cache;
    ConversionBackEnd *m_backEnd;
    QHash<int, Conversion> m_conversions;
    int m_nextId = 1;
    int m_started = 0;
    // Bumped by release(), so outcomes queued before it are dropped.
    int m_generation = 0;
};
