#include "panenotice.h"

#include "platform/songfont.h"

namespace {
const QString kBusyText = QStringLiteral("正在打开…");
constexpr int kFailureShownMs = 8000;
} // namespace

PaneNotice::PaneNotice(QWidget *parent) : QLabel(kBusyText, parent)
{
    setObjectName(QStringLiteral("PaneNotice"));
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
    m_failureShown.setSingleShot(true);
    m_failureShown.setInterval(kFailureShownMs);
    connect(&m_failureShown, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void PaneNotice::start(QWidget *pane, const QString &text)
{
    stop();
    m_pane = pane;
    pane->setCursor(Qt::BusyCursor);
    setCursor(Qt::BusyCursor);
    setText(text.isEmpty() ? kBusyText : text);
    showOver(pane);
}

void PaneNotice::stop()
{
    if (m_pane)
        m_pane->unsetCursor();
    m_pane.clear();
    m_failureShown.stop();
    hide();
}

void PaneNotice::fail(QWidget *pane, const QString &text)
{
    stop();
    unsetCursor();
    setText(text);
    showOver(pane);
    m_failureShown.start();
}

void PaneNotice::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    if (!running())
        stop();
}

void PaneNotice::showOver(QWidget *pane)
{
    adjustSize();
    const QRect area = pane && pane->isVisible() ? pane->geometry() : parentWidget()->rect();
    move(area.center() - rect().center());
    show();
    raise();
}
