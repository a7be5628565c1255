#pragma once

#include <QMainWindow>
#include <QTimer>

struct AppContext;
class QComboBox;
class QToolBar;
class WebBrowser;

// The browser window (frmBrowser): a toolbar with back, forward, stop,
// refresh, home and search, the address box with the visited addresses (each
// once, the most recent first), and a caption that shows a loading text while
// a page loads and the page's title once it has. Every window is the
// teacher's own: it reads the shared start address once, when it loads.
class BrowserWindow : public QMainWindow
{
    Q_OBJECT
public:
    BrowserWindow(AppContext &context, QWidget *parent = nullptr);

    // Shows the window and opens the shared start address, if there is one.
    void Form_Load();

    QComboBox *cboAddress() const { return m_address; }
    QToolBar *tbToolBar() const { return m_toolbar; }
    WebBrowser *brwWebBrowser() const { return m_browser; }
    const QTimer &timTimer() const { return m_timer; }

    void tbToolBar_ButtonClick(const QString &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showWindow();
    void Form_Resize();
    void timTimer_Timer();
    void brwWebBrowser_NavigateComplete2(const QString &url);
    void navigateToAddress();

    AppContext &m_context;
    QToolBar *m_toolbar;
    QComboBox *m_address;
    WebBrowser *m_browser;
    QTimer m_timer;
    bool m_suppressAddressNavigation = false;
};
