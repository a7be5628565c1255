#include "aboutbox.h"

#include "base/appcontext.h"
#include "base/leftclick.h"
#include "base/producttitle.h"
#include "platform/songfont.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QVersionNumber>

AboutBox::AboutBox(AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_context(context)
{
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(context.scale.toPixelsX(7380), context.scale.toPixelsY(4245));

    m_frame1 = new QWidget(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(rect());
    m_frame1->setStyleSheet(QStringLiteral("#Frame1 { background: #f4f0e0; border: 1px solid #806040; }"));
    m_frame1->setAttribute(Qt::WA_StyledBackground);

    auto *layout = new QVBoxLayout(m_frame1);
    m_productName = new QLabel(m_frame1);
    m_productName->setObjectName(QStringLiteral("lblProductName"));
    m_productName->setFont(songFont(32, true));
    m_version = new QLabel(m_frame1);
    m_version->setObjectName(QStringLiteral("lblVersion"));
    auto *description = new QLabel(QStringLiteral("课堂多媒体教学演示系统"), m_frame1);
    description->setObjectName(QStringLiteral("lblDescription"));
    for (QLabel *label : {m_productName, description, m_version}) {
        label->setAlignment(Qt::AlignCenter);
        // Clicks on the texts count as clicks on the frame.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(label);
    }

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(8000);
    connect(m_timer1, &QTimer::timeout, this, &AboutBox::close);

    auto *click = new LeftClick(this);
    click->watch(m_frame1);
    connect(click, &LeftClick::clicked, this, &AboutBox::close);
}

void AboutBox::load()
{
    const QVersionNumber version = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    m_version->setText(QStringLiteral("版本 %1.%2.%3")
                           .arg(version.majorVersion())
                           .arg(version.minorVersion())
                           .arg(version.microVersion()));
    m_productName->setText(QLatin1String(kProductTitle));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    m_timer1->start();
}

void AboutBox::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Where no window manager hands new windows the keyboard, the key meant to
    // close the box would go to the window behind it.
    raise();
    activateWindow();
}

void AboutBox::keyPressEvent(QKeyEvent *event)
{
    // A key that types something; Shift, Ctrl or Alt alone type nothing.
    if (!event->text().isEmpty())
        close();
    else
        QWidget::keyPressEvent(event);
}

void AboutBox::closeEvent(QCloseEvent *event)
{
    // Closed from the window manager: unloaded like its own close, so the next
    // opening runs its load step and timer afresh.
    event->ignore();
    close();
}

void AboutBox::close()
{
    m_timer1->stop();
    m_context.flow.unload(ScreenId::About);
}
