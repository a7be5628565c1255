#include "engineview.h"

#include "webengine.h"

#include <QChildEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineView>

EngineView::EngineView(WebEngine &engine, QWidget *parent)
    : QWidget(parent), m_engine(engine), m_stack(new QStackedLayout(this)), m_blank(new QWidget(this)),
      m_notice(new QWidget(this)), m_noticeText(new QLabel(m_notice)),
      m_reload(new QPushButton(QStringLiteral("重新载入"), m_notice)), m_bar(new QWidget(this)),
      m_barText(new QLabel(m_bar))
{
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_blank);
    m_stack->addWidget(m_notice);

    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setAutoFillBackground(true);
    m_noticeText->setObjectName(QStringLiteral("noticeText"));
    m_noticeText->setAlignment(Qt::AlignCenter);
    m_noticeText->setWordWrap(true);
    m_noticeText->setFont(QFont(QStringLiteral("宋体"), 14));
    m_reload->setObjectName(QStringLiteral("reload"));
    auto *column = new QVBoxLayout(m_notice);
    column->addStretch();
    column->addWidget(m_noticeText);
    column->addWidget(m_reload, 0, Qt::AlignHCenter);
    column->addStretch();
    connect(m_reload, &QPushButton::clicked, this, [this] {
        hideNotice();
        if (m_view && m_again.isValid())
            m_view->load(m_again);
        else if (m_view)
            m_view->reload();
    });

    // Not in the stack: it lies over the page.
    m_bar->setObjectName(QStringLiteral("bar"));
    m_bar->setAutoFillBackground(true);
    QPalette barColours = m_bar->palette();
    barColours.setColor(QPalette::Window, QColor(0xff, 0xf2, 0xb8));
    barColours.setColor(QPalette::WindowText, Qt::black);
    m_bar->setPalette(barColours);
    m_barText->setObjectName(QStringLiteral("barText"));
    m_barText->setWordWrap(true);
    m_barText->setFont(QFont(QStringLiteral("宋体"), 12));
    auto *close = new QToolButton(m_bar);
    close->setObjectName(QStringLiteral("closeBar"));
    close->setText(QStringLiteral("×"));
    close->setToolTip(QStringLiteral("关闭"));
    close->setAutoRaise(true);
    auto *row = new QHBoxLayout(m_bar);
    row->setContentsMargins(8, 4, 4, 4);
    row->addWidget(m_barText, 1);
    row->addWidget(close);
    connect(close, &QToolButton::clicked, this, &EngineView::hideBar);
    m_bar->hide();
    watchFocus(this);
}

QWebEngineView *EngineView::view()
{
    if (m_view)
        return m_view;
    m_view = new QWebEngineView(m_engine.profile(), this);
    m_view->setObjectName(QStringLiteral("engineView"));
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    watchFocus(m_view);
    m_stack->insertWidget(0, m_view);
    m_stack->removeWidget(m_blank);
    m_blank->deleteLater();
    m_blank = nullptr;
    m_stack->setCurrentWidget(m_view);
    connect(m_view, &QWebEngineView::urlChanged, this, &EngineView::hideBar);
    connect(m_view, &QWebEngineView::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                if (status == QWebEnginePage::NormalTerminationStatus)
                    return;
                showNotice(QStringLiteral("网页显示进程意外停止。"), true);
                emit crashed();
            });
    return m_view;
}

void EngineView::showNotice(const QString &text, bool offerReload, const QUrl &again)
{
    hideBar();
    m_noticeText->setText(text);
    m_reload->setVisible(offerReload);
    m_again = again;
    m_stack->setCurrentWidget(m_notice);
}

void EngineView::hideNotice()
{
    m_stack->setCurrentIndex(0);
}

bool EngineView::noticeShown() const
{
    return m_stack->currentWidget() == m_notice;
}

QString EngineView::noticeText() const
{
    return noticeShown() ? m_noticeText->text() : QString();
}

void EngineView::showBar(const QString &text)
{
    m_barText->setText(text);
    m_bar->show();
    placeBar();
    m_bar->raise();
}

void EngineView::hideBar()
{
    m_bar->hide();
}

QString EngineView::barText() const
{
    return m_bar->isHidden() ? QString() : m_barText->text();
}

void EngineView::placeBar()
{
    const int height =
        m_bar->hasHeightForWidth() ? m_bar->heightForWidth(width()) : m_bar->sizeHint().height();
    m_bar->setGeometry(0, 0, width(), height);
}

void EngineView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_bar->isHidden())
        placeBar();
}

// The engine gives the keyboard and the mouse to a child widget it makes when a
// page first shows; every widget below the view is watched so that focus and
// presses are reported.
void EngineView::watchFocus(QWidget *widget)
{
    widget->installEventFilter(this);
}

bool EngineView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded && watched == m_view) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            watchFocus(static_cast<QWidget *>(child));
    } else if (event->type() == QEvent::FocusIn) {
        emit focusIn(static_cast<QFocusEvent *>(event)->reason());
    } else if (event->type() == QEvent::MouseButtonPress) {
        emit pressed();
    }
    return QWidget::eventFilter(watched, event);
}
