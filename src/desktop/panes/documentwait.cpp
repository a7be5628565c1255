#include "documentwait.h"

#include "panenotice.h"

#include "lesson/filekinds.h"

#include <cstdio>
#include <QFileInfo>

DocumentWait::DocumentWait(DocumentConverter *converter, QWidget *workArea, QObject *parent)
    : QObject(parent), m_converter(converter), m_notice(new PaneNotice(workArea))
{
    connect(converter, &DocumentConverter::opened, this, &DocumentWait::onOpened);
    connect(converter, &DocumentConverter::failed, this, &DocumentWait::onFailed);
    connect(converter, &DocumentConverter::stillPages, this, [this](const ConvertedDocument &document) {
        if (m_pending.isEmpty() || document.source != m_pending || m_form != DocumentConverter::Form::Usual)
            return;
        // The slides on screen say enough: the notice would hide them.
        m_notice->stop();
        emit stillPages(document);
    });
}

void DocumentWait::request(const QString &path, QWidget *pane, DocumentConverter::Form form)
{
    // Asked for in the background before, it now goes ahead of the rest.
    const bool hurry = pane && !m_teacherWaits;
    if (pane) {
        m_teacherWaits = true;
        m_pane = pane;
        // The converter gives up after that long.
        m_notice->start(
            pane, QStringLiteral("正在打开…（最多 %1 秒）").arg(DocumentConverter::kTeacherWaitSeconds));
    }
    if (path == m_pending && form == m_form && !hurry)
        return;
    m_pending = path;
    m_form = form;
    m_converter->open(
        path, pane ? DocumentConverter::Urgency::Teacher : DocumentConverter::Urgency::Background, form);
}

void DocumentWait::cancel()
{
    m_pending.clear();
    stop();
}

void DocumentWait::report(const QString &path, const QString &reason)
{
    tell(QStringLiteral("无法打开文档：\n") + path + QLatin1Char('\n') + reason);
}

void DocumentWait::tell(const QString &text, QWidget *pane)
{
    m_notice->fail(pane ? pane : m_pane.data(), text);
}

void DocumentWait::onOpened(const ConvertedDocument &document)
{
    if (m_pending.isEmpty() || document.source != m_pending ||
        (m_form == DocumentConverter::Form::Pages && document.format == ConvertedDocument::Format::Show))
        return;
    const bool waited = m_teacherWaits;
    cancel();
    emit opened(document, waited);
}

void DocumentWait::onFailed(const QString &source, const QString &reason)
{
    if (m_pending.isEmpty() || source != m_pending)
        return;
    if (m_form == DocumentConverter::Form::Usual &&
        filekinds::conversionFor(QFileInfo(source).suffix()) == filekinds::Conversion::Pdf) {
        std::fprintf(stderr, "Veltano: %s plays as still pages: %s\n", qPrintable(source),
                     qPrintable(reason));
        request(source, m_teacherWaits ? m_pane.data() : nullptr, DocumentConverter::Form::Pages);
        return;
    }
    const bool waited = m_teacherWaits;
    cancel();
    // At start-up nobody asked yet; the teacher hears of it on asking.
    if (waited)
        report(source, reason);
}

void DocumentWait::stop()
{
    m_teacherWaits = false;
    m_notice->stop();
}
