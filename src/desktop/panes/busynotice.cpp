#include "busynotice.h"

#include "platform/songfont.h"

BusyNotice::BusyNotice(QWidget *parent) : QLabel(QStringLiteral("正在打开…"), parent)
{
    setObjectName(QStringLiteral("BusyNotice"));
    setFont(songFont(14));
    setAlignment(Qt::AlignCenter);
    setMargin(12);
    // Colours of its own: the desktop's colour, passed down to its children,
    // may be black, and a black box says nothing.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 225));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setFrameStyle(QFrame::Box | QFrame::Plain);
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
