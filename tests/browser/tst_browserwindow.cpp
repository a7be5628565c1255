// The browser window on the real web engine, against pages of this machine.

#include "browser/browserwindow.h"
#include "desktop/panes/panedesktop.h"
#include "platform/web/engineview.h"
#include "platform/web/qtwebbrowser.h"
#include "platform/web/webengine.h"

#include <csignal>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QToolBar>
#include <QWebEngineView>
#include <unistd.h>

namespace {

struct BrowserContext : TestContext {
    WebEngine engine{QStringLiteral(VELTANO_APP_DIR "/web")};
    QtWebBrowserFactory browsers{engine};
    BrowserContext() { context.platform.webBrowsers = &browsers; }

    QString page(const char *name, const char *title)
    {
        const QString path =
            write(QLatin1String(name), "<html><head><meta charset=\"utf-8\"><title>" + QByteArray(title) +
                                           "</title></head><body>" + QByteArray(name) + "</body></html>");
        return QUrl::fromLocalFile(path).toString();
    }

    BrowserWindow *open(const QString &home)
    {
        state.HomeUrl = home;
        auto *window = new BrowserWindow(context);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->Form_Load();
        return window;
    }
};

QStringList entries(const QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

bool waitForTitle(QWidget *window, const QString &title)
{
    return QTest::qWaitFor([&] { return window->windowTitle() == title; }, 20000);
}

// Types into the address box as a teacher does: a click in it, then keys sent
// where the keyboard really goes, the focus widget, ending with `enter`.
void typeAddress(BrowserWindow *window, const QString &address, Qt::Key enter = Qt::Key_Return)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::mouseClick(window->cboAddress()->lineEdit(), Qt::LeftButton);
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focus, address);
    QTest::keyClick(focus, enter, enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

// Presses the left button at `at` (page pixels) where the engine takes its input.
void clickPage(WebBrowser *browser, const QPoint &at)
{
    QWidget *input = qobject_cast<EngineView *>(browser->widget())->view()->focusProxy();
    QTest::mouseMove(input, at);
    QTest::mouseClick(input, Qt::LeftButton, {}, at);
}

void click(BrowserWindow *window, const char *key)
{
    QToolBar *bar = window->tbToolBar();
    QWidget *button = bar->widgetForAction(bar->findChild<QAction *>(QLatin1String(key)));
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class BrowserWindowTest : public QObject
{
    Q_OBJECT
private slots:
    // Also "http://", which the editor writes for no address; and the browser
    // is not busy with an address the engine never starts on.
    void emptyStartAddressLeavesTheWindowBlank()
    {
        BrowserContext t;
        BrowserWindow *blank = t.open(QStringLiteral("http://"));
        QVERIFY(blank->cboAddress()->currentText().isEmpty());
        QVERIFY(!blank->timTimer().isActive());
        blank->brwWebBrowser()->Navigate(QStringLiteral("http://"));
        QTest::qWait(300);
        QVERIFY(!blank->brwWebBrowser()->Busy());
        QVERIFY(blank->windowTitle() != QLatin1String("VeltanoLoading......"));
        blank->close();

        BrowserWindow *window = t.open(QString());
        QVERIFY(window->isVisible());
        QCOMPARE(window->objectName(), QStringLiteral("frmBrowser"));
        QVERIFY(window->cboAddress()->currentText().isEmpty());
        QCOMPARE(window->cboAddress()->count(), 0);
        QVERIFY(!window->timTimer().isActive());
        QTest::qWait(300);
        QVERIFY(window->brwWebBrowser()->LocationURL().isEmpty() ||
                window->brwWebBrowser()->LocationURL() == QLatin1String("about:blank"));
        // A click anywhere on "搜索" reaches the button, not the address box.
        QToolBar *bar = window->tbToolBar();
        QWidget *search = bar->widgetForAction(bar->findChild<QAction *>(QStringLiteral("Search")));
        const QPoint edge(search->width() - 2, search->height() / 2);
        QCOMPARE(window->childAt(window->mapFromGlobal(search->mapToGlobal(edge))), search);
        QVERIFY(window->cboAddress()->width() > 200);
        const QStringList tips = {"倒退", "前进", "停止", "刷新", "主页", "搜索"};
        const QList<QAction *> buttons = window->tbToolBar()->actions();
        for (int i = 0; i < tips.size(); ++i) {
            QCOMPARE(buttons.at(i)->toolTip(), tips.at(i));
            QVERIFY(!buttons.at(i)->icon().isNull());
        }
        window->close();
    }

    // Loading shows "Veltano" & "Loading......", then the title; Enter and the
    // keypad's Enter typed in the address box go there; A, B, A leaves the list
    // A, B, and picking from the list starts exactly one navigation.
    void captionFollowsLoadingAndTheListKeepsEachAddressOnce()
    {
        BrowserContext t;
        const QString a = t.page("a.html", "甲页");
        const QString b = t.page("b.html", "乙页");
        QStringList captions;
        BrowserWindow *window = t.open(a);
        connect(window, &QWidget::windowTitleChanged, [&](const QString &title) { captions << title; });
        QSignalSpy navigations(window->brwWebBrowser(), &WebBrowser::NavigateComplete2);
        QVERIFY(waitForTitle(window, QStringLiteral("甲页")));
        QVERIFY(!window->timTimer().isActive());
        QVERIFY2(captions.indexOf(QStringLiteral("VeltanoLoading......")) >= 0,
                 qPrintable(captions.join('|')));
        QCOMPARE(entries(window->cboAddress()), QStringList({a}));

        typeAddress(window, b);
        QVERIFY(waitForTitle(window, QStringLiteral("乙页")));
        QCOMPARE(entries(window->cboAddress()), QStringList({b, a}));
        typeAddress(window, a, Qt::Key_Enter);
        QVERIFY(waitForTitle(window, QStringLiteral("甲页")));
        QCOMPARE(entries(window->cboAddress()), QStringList({a, b}));
        typeAddress(window, b);
        QVERIFY(waitForTitle(window, QStringLiteral("乙页")));
        QCOMPARE(entries(window->cboAddress()), QStringList({b, a}));

        window->cboAddress()->showPopup();
        QAbstractItemView *list = window->cboAddress()->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QRect second = list->visualRect(list->model()->index(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QVERIFY(waitForTitle(window, QStringLiteral("甲页")));
        QCOMPARE(entries(window->cboAddress()), QStringList({a, b}));
        QTest::qWait(500);
        QCOMPARE(navigations.size(), 5);
        window->close();
    }

    // "停止" shows "Veltano" & the page's name; "主页" goes to the program's own
    // start page, not the start address; a missing page leaves the window open.
    void stopHomeAndAMissingPage()
    {
        BrowserContext t;
        const QString a = t.page("a.html", "甲页");
        BrowserWindow *window = t.open(a);
        QVERIFY(waitForTitle(window, QStringLiteral("甲页")));
        click(window, "Stop");
        QCOMPARE(window->windowTitle(), QStringLiteral("Veltano甲页"));
        QVERIFY(!window->timTimer().isActive());

        click(window, "Home");
        QVERIFY(QTest::qWaitFor(
            [&] { return window->brwWebBrowser()->LocationURL() == t.engine.homePage().toString(); }, 20000));
        QVERIFY(waitForTitle(window, QStringLiteral("Veltano 主页")));

        typeAddress(window, QUrl::fromLocalFile(t.programFolder() + "/none.html").toString());
        QVERIFY(QTest::qWaitFor([&] { return !window->timTimer().isActive(); }, 20000));
        QVERIFY(window->isVisible());
        window->close();
    }

    // A page opened from disk cannot read a file outside its folder, and a script
    // typed as an address is refused with a notice and never runs.
    void localPagesReadNothingElseAndScriptsNeverRun()
    {
        BrowserContext t;
        t.write("secret.txt", "secret");
        const QString reader =
            t.write("page/reader.html", "<html><body><script>fetch('../secret.txt').then(r => r.text())"
                                        ".then(text => document.title = 'read ' + text)"
                                        ".catch(() => document.title = 'refused');</script></body></html>");
        BrowserWindow *window = t.open(QUrl::fromLocalFile(reader).toString());
        QVERIFY(QTest::qWaitFor(
            [&] { return window->brwWebBrowser()->LocationName() == QLatin1String("refused"); }, 20000));

        const QString script = QStringLiteral("javascript:document.title='ran'");
        typeAddress(window, script);
        auto *view = qobject_cast<EngineView *>(window->brwWebBrowser()->widget());
        QVERIFY(view && view->noticeShown());
        QVERIFY2(view->noticeText().contains(script), qPrintable(view->noticeText()));
        QVERIFY(!window->brwWebBrowser()->Busy());
        // What the page holds once the engine has done all it was asked.
        QString title;
        view->view()->page()->runJavaScript(QStringLiteral("document.title"),
                                            [&title](const QVariant &value) { title = value.toString(); });
        QVERIFY(QTest::qWaitFor([&] { return !title.isEmpty(); }, 20000));
        QCOMPARE(title, QStringLiteral("refused"));

        // For a normal user the page's process runs in Chromium's sandbox, under a
        // system-call filter (the sandbox refuses to run as root).
        if (geteuid() != 0) {
            QFile status(QStringLiteral("/proc/%1/status").arg(view->view()->page()->renderProcessPid()));
            QVERIFY(status.open(QIODevice::ReadOnly));
            QVERIFY(status.readAll().contains("Seccomp:\t2"));
        }
        window->close();
    }

    // A lesson's page on disk, named as the lesson names it, shows its pictures,
    // styles and scripts, its link to the page beside it opens, and it loads
    // from the web; a picture from outside its folder stays out.
    void lessonPageReadsItsFolderAndTheWeb()
    {
        BrowserContext t;
        QTcpServer web;
        QVERIFY(web.listen(QHostAddress::LocalHost));
        QByteArray asked;
        connect(&web, &QTcpServer::newConnection, [&] {
            QTcpSocket *socket = web.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, [&asked, socket] {
                asked += socket->readAll();
                socket->close();
            });
        });
        t.write("备课本/t/style.css", "body { margin-left: 77px; }");
        t.write("备课本/t/s.js", "window.scriptRan = true;");
        t.write("备课本/t/second.html",
                "<html><head><meta charset=\"utf-8\"><title>第二页</title></head></html>");
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(t.programFolder() + "/备课本/t/pic.jpg"));
        QVERIFY(picture.save(t.programFolder() + "/outside.jpg"));
        t.write(
            "备课本/t/links.html",
            "<html><head><link rel=stylesheet href=\"style.css\"><script src=\"s.js\"></script></head>"
            "<body><a href=\"second.html\" style=\"position:absolute;left:0;top:0;width:300px;"
            "height:150px\">next</a><img id=pic src=\"pic.jpg\"><img id=out src=\"../../outside.jpg\">"
            "<img src=\"http://127.0.0.1:" +
                QByteArray::number(web.serverPort()) +
                "/w.png\"><script>window.onload = () => document.title = [pic.naturalWidth, "
                "getComputedStyle(document.body).marginLeft, window.scriptRan, out.naturalWidth].join(' ');"
                "</script></body></html>");
        BrowserWindow *window = t.open(QStringLiteral("备课本\\t\\links.html"));
        QVERIFY(waitForTitle(window, QStringLiteral("8 77px true 0")));
        QVERIFY(QTest::qWaitFor([&] { return asked.startsWith("GET /w.png"); }, 5000));

        clickPage(window->brwWebBrowser(), QPoint(100, 60));
        QVERIFY(waitForTitle(window, QStringLiteral("第二页")));
        window->close();
    }

    // Nothing in a page starts another program: links to mail and to an unknown
    // kind of address are refused with a bar over the page naming them, the
    // page kept as it was (its place, what was typed into it), and the
    // desktop's opener (a stand-in first on the PATH) is never called.
    void linksNeverStartAnotherProgram()
    {
        BrowserContext t;
        const QString called = t.programFolder() + "/opener-called";
        const QString opener =
            t.write("bin/xdg-open", "#!/bin/sh\necho \"$@\" >> '" + called.toUtf8() + "'\n");
        QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFileInfo(opener).absolutePath().toUtf8() + ':' + path);
        const QByteArray fixed = "position:fixed;left:0;width:300px;height:100px;";
        const QString page = t.write(
            "links.html", "<html><head><title>links</title></head><body style=\"margin:0;height:3000px\">"
                          "<a href=\"mailto:teacher@example.cn\" style=\"" +
                              fixed +
                              "top:0\">mail</a>"
                              "<a href=\"vtest://hello\" style=\"" +
                              fixed +
                              "top:100px\">other</a>"
                              "<input id=answer style=\"margin-top:900px\"></body></html>");
        BrowserWindow *window = t.open(QUrl::fromLocalFile(page).toString());
        QVERIFY(waitForTitle(window, QStringLiteral("links")));
        auto *view = qobject_cast<EngineView *>(window->brwWebBrowser()->widget());
        const auto pageState = [view] {
            QString state;
            view->view()->page()->runJavaScript(
                QStringLiteral("scrollY + ' ' + answer.value"),
                [&state](const QVariant &value) { state = value.toString(); });
            return QTest::qWaitFor([&state] { return !state.isEmpty(); }, 10000) ? state : QString();
        };
        view->view()->page()->runJavaScript(QStringLiteral("answer.value = '42'; scrollTo(0, 600)"));
        QTRY_COMPARE(pageState(), QStringLiteral("600 42"));
        for (const auto &[at, address] :
             {std::pair{QPoint(50, 50), QStringLiteral("mailto:teacher@example.cn")},
              std::pair{QPoint(50, 150), QStringLiteral("vtest://hello")}}) {
            clickPage(window->brwWebBrowser(), at);
            QTRY_VERIFY_WITH_TIMEOUT(view->barText().contains(address), 5000);
            QVERIFY(!view->noticeShown());
            QVERIFY(view->view()->isVisible());
            QTest::qWait(300);
            QCOMPARE(pageState(), QStringLiteral("600 42"));
            QCOMPARE(window->brwWebBrowser()->LocationURL(), QUrl::fromLocalFile(page).toString());
            QTest::mouseClick(view->findChild<QWidget *>(QStringLiteral("closeBar")), Qt::LeftButton);
            QVERIFY(view->barText().isEmpty());
        }
        QTest::qWait(1000);
        qputenv("PATH", path);
        QVERIFY2(!QFile::exists(called), qPrintable(called));
        window->close();
    }

    // A page that cannot be loaded says why in Chinese, with its address, in
    // place of the engine's English page: a missing file a lesson page links
    // to, a web address without a network. Loading again finds a file come since.
    void failedPagesSayWhy()
    {
        BrowserContext t;
        const QString lessonPage = t.write(
            "备课本/t/links.html", "<html><head><title>links</title></head><body style=\"margin:0\">"
                                   "<a href=\"练习/没有.html\" style=\"display:block;height:100px\">next</a>"
                                   "</body></html>");
        BrowserWindow *window = t.open(QUrl::fromLocalFile(lessonPage).toString());
        QVERIFY(waitForTitle(window, QStringLiteral("links")));
        auto *view = qobject_cast<EngineView *>(window->brwWebBrowser()->widget());
        clickPage(window->brwWebBrowser(), QPoint(50, 50));
        const QString missing = t.programFolder() + "/备课本/t/练习/没有.html";
        QTRY_VERIFY_WITH_TIMEOUT(view->noticeShown(), 10000);
        QVERIFY2(view->noticeText() == QStringLiteral("无法打开网页：找不到这个文件\n") + missing,
                 qPrintable(view->noticeText()));

        t.write("备课本/t/练习/没有.html", "<html><head><title>来了</title></head></html>");
        QTest::mouseClick(view->findChild<QPushButton *>(QStringLiteral("reload")), Qt::LeftButton);
        QVERIFY(waitForTitle(window, QStringLiteral("来了")));
        QVERIFY(!view->noticeShown());

        typeAddress(window, QStringLiteral("http://veltano-nowhere.invalid/"));
        QTRY_VERIFY_WITH_TIMEOUT(view->noticeShown(), 20000);
        QVERIFY2(view->noticeText().startsWith(QStringLiteral("无法打开网页：没有网络连接\n")) &&
                     view->noticeText().contains(QStringLiteral("veltano-nowhere.invalid")),
                 qPrintable(view->noticeText()));
        window->close();
    }

    // A link with a target and window.open each open another browser window,
    // which shows the page; the first window stays where it was.
    void newWindowsOpenInAnotherBrowserWindow()
    {
        BrowserContext t;
        t.write("b.html", "<html><head><title>b</title></head></html>");
        t.write("c.html", "<html><head><title>c</title></head></html>");
        const QString page =
            t.write("opener.html",
                    "<html><head><title>opener</title></head><body style=\"margin:0\">"
                    "<a href=\"b.html\" target=\"_blank\" style=\"display:block;height:100px\">b</a>"
                    "<div onclick=\"window.open('c.html')\" style=\"height:100px\">c</div></body></html>");
        BrowserWindow *window = t.open(QUrl::fromLocalFile(page).toString());
        QVERIFY(waitForTitle(window, QStringLiteral("opener")));
        const auto shown = [](const QString &title) {
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (qobject_cast<BrowserWindow *>(widget) && widget->isVisible() &&
                    widget->windowTitle() == title)
                    return static_cast<BrowserWindow *>(widget);
            return static_cast<BrowserWindow *>(nullptr);
        };
        for (const auto &[at, title] : {std::pair{QPoint(50, 50), QStringLiteral("b")},
                                        std::pair{QPoint(50, 150), QStringLiteral("c")}}) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            clickPage(window->brwWebBrowser(), at);
            QVERIFY2(QTest::qWaitFor([&] { return shown(title) != nullptr; }, 20000), qPrintable(title));
            QVERIFY(shown(title)->cboAddress()->currentText().endsWith(title + ".html"));
            QCOMPARE(window->windowTitle(), QStringLiteral("opener"));
            shown(title)->close();
        }
        window->close();
    }

    // The page's display process killed in class: the window stays, with a notice and
    // a button that loads the page again in a new process.
    void killedDisplayProcessOffersAReload()
    {
        BrowserContext t;
        BrowserWindow *window = t.open(t.page("a.html", "甲页"));
        QVERIFY(waitForTitle(window, QStringLiteral("甲页")));
        auto *view = qobject_cast<EngineView *>(window->brwWebBrowser()->widget());
        QWebEnginePage *page = view->view()->page();
        const qint64 pid = page->renderProcessPid();
        QVERIFY(pid > 0);
        ::kill(pid_t(pid), SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(view->noticeShown(), 15000);
        QVERIFY(!window->brwWebBrowser()->Busy());
        auto *reload = view->findChild<QPushButton *>(QStringLiteral("reload"));
        QVERIFY(reload && reload->isVisible());
        QTest::mouseClick(reload, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor(
            [&] {
                return !view->noticeShown() && page->renderProcessPid() > 0 &&
                       page->renderProcessPid() != pid &&
                       window->brwWebBrowser()->LocationName() == QStringLiteral("甲页");
            },
            30000));
        QVERIFY(window->isVisible());
        window->close();
    }

    // The desktop's commands: every call another window; the menu bar's
    // "浏览器" always the lesson's address, the window menu's the last one set.
    void desktopCommandsOpenWindows()
    {
        PaneDesktop d;
        d.state.LessonFields[13] = QStringLiteral("file:///lesson/index.html");
        d.show();
        const auto last = [&d] { return d.fakes.webBrowsers.created.last()->commands; };
        d.button("google");
        QCOMPARE(last(), QStringList({"navigate:https://cn.bing.com/"}));
        d.item("IEinternet");
        QCOMPARE(last(), QStringList({"navigate:https://cn.bing.com/"}));
        d.item("IE");
        QCOMPARE(last(), QStringList({"navigate:file:///lesson/index.html"}));
        d.item("IEinternet");
        QCOMPARE(last(), QStringList({"navigate:file:///lesson/index.html"}));
        QCOMPARE(d.desktop->findChildren<BrowserWindow *>().size(), 4);
        for (BrowserWindow *window : d.desktop->findChildren<BrowserWindow *>())
            QVERIFY(window->isVisible());
    }
};

// The web engine shares its drawing contexts, as in the program.
int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    BrowserWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browserwindow.moc"
