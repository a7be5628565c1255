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
    if (pane) {
        m_teacherWaits = true;
        m_busy->start(pane);
    }
    if (path == m_pending)
        return;
    m_pending = path;
    m_converter->open(path);
}

void DocumentWait::cancel()
{
    m_pending.clear();
    stop();
}

void DocumentWait::report(const QString &path, const QString &reason) const
{
    m_messageBox->show(QStringLiteral("无法打开文档：\n") + path + QLatin1Char('\n') + reason,
                       QStringLiteral("提示"), MessageBox::Icon::Warning, MessageBox::Buttons::Ok);
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
