#include "fakedocumentconverter.h"

#include <QTimer>

void FakeDocumentConverter::provide(const QString &path, ConvertedDocument::Format format,
                                    const QString &file)
{
    m_documents.insert(path, ConvertedDocument{path, file, format});
}

void FakeDocumentConverter::refuse(const QString &path, const QString &reason)
{
    m_refusals.insert(path, reason);
}

void FakeDocumentConverter::answerHeld()
{
    const QStringList held = std::exchange(m_held, {});
    for (const QString &path : held)
        answer(path);
}

void FakeDocumentConverter::open(const QString &path, Urgency urgency)
{
    requested.append(path);
    if (urgency == Urgency::Teacher)
        urgent.append(path);
    if (hold)
        m_held.append(path);
    else
        QTimer::singleShot(0, this, [this, path] { answer(path); });
}

void FakeDocumentConverter::release()
{
    ++releases;
    m_held.clear();
}

void FakeDocumentConverter::answer(const QString &path)
{
    if (m_documents.contains(path))
        emit opened(m_documents.value(path));
    else
        emit failed(path, m_refusals.value(path, QStringLiteral("找不到文件")));
}
