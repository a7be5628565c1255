#include "documentwait.h"

#include "busynotice.h"
#include "platform/documentconverter.h"
#include "platform/messagebox.h"

DocumentWait::DocumentWait(DocumentConverter *converter, MessageBox *messageBox, QWidget *workArea,
                           QObject *parent)
    : QObject(parent), m_converter(converter), m_messageBox(messageBox), m_busy(new BusyNotice(workArea))
{
    connect(converter, &DocumentConverter::opened, this, &DocumentWait::onOpened);
    connect(converter, &DocumentConverter::failed, this, &DocumentWait::onFailed);
}

void DocumentWait::request(const QString &path, QWidget *pane)
{
    // Asked for in the background before, it now goes ahead of the rest.
    const bool hurry = pane && !m_teacherWaits;
    if (pane) {
        m_teacherWaits = true;
        m_busy->start(pane);
    }
    if (path == m_pending && !hurry)
        return;
    m_pending = path;
    m_converter->open(path,
                      pane ? DocumentConverter::Urgency::Teacher : DocumentConverter::Urgency::Background);
}

void DocumentWait::cancel()
{
    m_pending.clear();
    stop();
}

void DocumentWait::report(const QString &path, const QString &reason)
{
    const QString notice = path + QLatin1Char('\n') + reason;
    if (m_reported.contains(notice))
        return;
    m_reported.insert(notice);
    m_messageBox->show(QStringLiteral("无法打开文档：\n") + notice, QStringLiteral("提示"),
                       MessageBox::Icon::Warning, MessageBox::Buttons::Ok);
}

void DocumentWait::onOpened(const ConvertedDocument &document)
{
    if (m_pending.isEmpty() || document.source != m_pending)
        return;
    const bool waited = m_teacherWaits;
    cancel();
    emit opened(document, waited);
}

void DocumentWait::onFailed(const QString &source, const QString &reason)
{
    if (m_pending.isEmpty() || source != m_pending)
        return;
    const bool waited = m_teacherWaits;
    cancel();
    // At start-up nobody asked yet; the teacher hears of it on asking.
    if (waited)
        report(source, reason);
}

void DocumentWait::stop()
{
    m_teacherWaits = false;
    m_busy->stop();
}
