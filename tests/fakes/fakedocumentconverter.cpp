#include "fakedocumentconverter.h"

#include <QTimer>

#include <algorithm>

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
    const auto held = std::exchange(m_held, {});
    for (const auto &[path, form] : held)
        answer(path, form);
}

void FakeDocumentConverter::open(const QString &path, Urgency urgency, Form form)
{
    requested.append(path);
    if (form == Form::Pages)
        pages.append(path);
    if (urgency == Urgency::Teacher)
        urgent.append(path);
    if (hold)
        m_held.append({path, form});
    else
        QTimer::singleShot(0, this, [this, path, form] { answer(path, form); });
}

void FakeDocumentConverter::release()
{
    ++releases;
    m_held.clear();
}

void FakeDocumentConverter::answer(const QString &path, Form form)
{
    const QList<ConvertedDocument> documents = m_documents.values(path);
    const auto wanted = [form](const ConvertedDocument &document) {
        return form == Form::Pages ? document.format == ConvertedDocument::Format::Pdf
                                   : document.format == ConvertedDocument::Format::Show;
    };
    const auto found = std::find_if(documents.begin(), documents.end(), wanted);
    if (form == Form::Usual && m_refusals.contains(path))
        emit failed(path, m_refusals.value(path));
    else if (found != documents.end())
        emit opened(*found);
    else if (!documents.isEmpty() && form == Form::Usual)
        emit opened(documents.first());
    else
        emit failed(path, m_refusals.value(path, QStringLiteral("找不到文件")));
}
