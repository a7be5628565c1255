#include "browserwindow.h"

#include "base/appcontext.h"
#include "base/sharedstate.h"
#include "browser/browsericons.h"
#include "browser/logic/browseraddress.h"
#include "browser/logic/webaddresses.h"
#include "platform/webbrowser.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QToolBar>

namespace {

// Design sizes in twips.
const float kToolbarHeight = 615;
const float kAddressLeft = 2880;
const float kAddressTop = 120;
const float kAddressHeight = 300;
const int kAddressGap = 4; // pixels between the last button and the box
const float kBrowserTop = 600;
const float kRestoredWidth = 6540;
const float kRestoredHeight = 5130;

const struct {
    const char *key;
    const char *toolTip;
} kButtons[] = {
    {"Back", "倒退"},    {"Forward", "前进"}, {"Stop", "停止"},
    {"Refresh", "刷新"}, {"Home", "主页"},    {"Search", "搜索"},
};

const char kProduct[] = "Veltano";

} // namespace

BrowserWindow::BrowserWindow(AppContext &context, QWidget *parent)
    : QMainWindow(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("frmBrowser"));
    auto *client = new QWidget(this);
    setCentralWidget(client);

    m_toolbar = new QToolBar(client);
    m_toolbar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolbar->setIconSize(QSize(24, 24));
    m_toolbar->setMovable(false);
    for (const auto &entry : kButtons) {
        const QString key = QLatin1String(entry.key);
        QAction *button = m_toolbar->addAction(browserIcon(key), QString());
        button->setObjectName(key);
        button->setToolTip(QString::fromUtf8(entry.toolTip));
        connect(button, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }

    m_address = new QComboBox(m_toolbar);
    m_address->setObjectName(QStringLiteral("cboAddress"));
    m_address->setEditable(true);
    m_address->setInsertPolicy(QComboBox::NoInsert);
    // The line edit hands its focus to the box: real keys arrive at the box.
    m_address->installEventFilter(this);
    connect(m_address, &QComboBox::activated, this, [this] { navigateToAddress(); });

    m_browser = context.platform.webBrowsers->create(client);
    m_browser->widget()->setObjectName(QStringLiteral("brwWebBrowser"));
    // The engine starts a load after the request, or for a link in the page:
    // the caption shows it loading either way.
    connect(m_browser, &WebBrowser::DownloadBegin, &m_timer, qOverload<>(&QTimer::start));
    connect(m_browser, &WebBrowser::NavigateComplete2, this, &BrowserWindow::brwWebBrowser_NavigateComplete2);
    connect(m_browser, &WebBrowser::DownloadComplete, this,
            [this] { setWindowTitle(m_browser->LocationName()); });

    // A page's new window opens in another browser window, as a teacher's own.
    m_browser->setNewWindowHandler([this] {
        auto *window = new BrowserWindow(m_context, parentWidget());
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->showWindow();
        return window->brwWebBrowser();
    });

    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &BrowserWindow::timTimer_Timer);

    // Restored, the window's inner part has its design size, in the middle of the screen.
    const TwipsScale &scale = context.scale;
    resize(scale.toPixelsX(kRestoredWidth), scale.toPixelsY(kRestoredHeight));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void BrowserWindow::Form_Load()
{
    showWindow();
    const QString home = browserAddress(m_context.state.HomeUrl, m_context.book);
    if (home.isEmpty())
        return;
    m_address->setEditText(home);
    m_address->insertItem(0, home);
    m_timer.start();
    m_browser->Navigate(home);
}

void BrowserWindow::showWindow()
{
    showMaximized();
    m_toolbar->update();
    Form_Resize();
}

void BrowserWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void BrowserWindow::Form_Resize()
{
    const TwipsScale &scale = m_context.scale;
    const QWidget *client = centralWidget();
    const float width = scale.toTwipsX(client->width());
    const float height = scale.toTwipsY(client->height());
    m_toolbar->setGeometry(scale.toPixels(0, 0, width, kToolbarHeight));
    // The box keeps its design's right edge and starts where the buttons end,
    // if they are wider than the design allowed for.
    m_toolbar->layout()->activate();
    const QWidget *last = m_toolbar->widgetForAction(m_toolbar->actions().constLast());
    const int left = qMax(scale.toPixelsX(kAddressLeft), last->geometry().right() + 1 + kAddressGap);
    const int right = scale.toPixelsX(kAddressLeft + qMax(0.0f, width - 3000));
    m_address->setGeometry(left, scale.toPixelsY(kAddressTop), qMax(0, right - left),
                           scale.toPixelsY(kAddressHeight));
    m_browser->widget()->setGeometry(
        scale.toPixels(0, kBrowserTop, qMax(0.0f, width - 100), qMax(0.0f, height - kToolbarHeight - 100)));
}

void BrowserWindow::timTimer_Timer()
{
    if (m_browser->Busy()) {
        setWindowTitle(QLatin1String(kProduct) + QStringLiteral("Loading......"));
        return;
    }
    m_timer.stop();
    setWindowTitle(m_browser->LocationName());
}

void BrowserWindow::brwWebBrowser_NavigateComplete2(const QString &)
{
    setWindowTitle(m_browser->LocationName());
    const QString current = m_browser->LocationURL();
    const int found = m_address->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_suppressAddressNavigation = true;
    if (found >= 0)
        m_address->removeItem(found);
    m_address->insertItem(0, current);
    m_address->setCurrentIndex(0);
    m_suppressAddressNavigation = false;
}

void BrowserWindow::navigateToAddress()
{
    if (m_suppressAddressNavigation)
        return;
    m_timer.start();
    m_browser->Navigate(browserAddress(m_address->currentText(), m_context.book));
}

// Enter in the address box goes to the typed address; the box itself never
// handles the key, so it neither adds the text nor reports a pick.
bool BrowserWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_address && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            navigateToAddress();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void BrowserWindow::tbToolBar_ButtonClick(const QString &key)
{
    m_timer.start();
    if (key == QLatin1String("Back")) {
        m_browser->GoBack();
    } else if (key == QLatin1String("Forward")) {
        m_browser->GoForward();
    } else if (key == QLatin1String("Stop")) {
        m_timer.stop();
        m_browser->Stop();
        setWindowTitle(QLatin1String(kProduct) + m_browser->LocationName());
    } else if (key == QLatin1String("Refresh")) {
        m_browser->Refresh();
    } else if (key == QLatin1String("Home")) {
        m_browser->GoHome();
    } else if (key == QLatin1String("Search")) {
        m_browser->Navigate(searchPage());
    }
}
