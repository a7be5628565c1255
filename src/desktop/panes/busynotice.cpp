#include "busynotice.h"

#include "platform/songfont.h"

BusyNotice::BusyNotice(QWidget *parent) : QLabel(QStringLiteral("正在打开…"), parent)
{
    setObjectName(QStringLiteral("BusyNotice"));
    setFont(songFont(14));
    setAlignment(Qt::AlignCenter);
    setMargin(12);
    setAutoFillBackground(true);
    setCursor(Qt::BusyCursor);
    hide();
}

void BusyNotice::start(QWidget *pane)
{
    stop();
    m_pane = pane;
    pane->setCursor(Qt::BusyCursor);
    adjustSize();
    const QRect area = pane->isVisible() ? pane->geometry() : parentWidget()->rect();
    move(area.center() - rect().center());
    show();
    raise();
}

void BusyNotice::stop()
{
    if (m_pane)
        m_pane->unsetCursor();
    m_pane.clear();
    hide();
}
