#include "slideshowplayer.h"

#include "engineview.h"
#include "webengine.h"

#include <functional>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

namespace {

// What the conversion notes beside a show is small; anything larger is not ours.
const qint64 kMaxNotes = 4 * 1024 * 1024;

bool isWebPage(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

} // namespace

// A show reads the files of its own folder and nothing else of this computer,
// and nothing from the network until the teacher opened a page on the web.
class ShowGuard : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    QString folder;
    bool web = false;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        const QUrl url = info.requestUrl();
        const QString scheme = url.scheme().toLower();
        bool allowed = web;
        if (url.isLocalFile()) {
            const QString path = QFileInfo(url.toLocalFile()).canonicalFilePath();
            const QString own = QFileInfo(folder).canonicalFilePath();
            allowed = !own.isEmpty() && path.startsWith(own + QLatin1Char('/'));
        } else if (scheme == QLatin1String("data") || scheme == QLatin1String("blob")) {
            allowed = true;
        }
        if (!allowed)
            info.block(true);
    }
};

// The show's page goes only where the program sends it: a link it follows by
// itself is handed to the program, and it opens no window.
class ShowPage : public QWebEnginePage
{
public:
    ShowPage(QWebEngineProfile *profile, QObject *parent)
        : QWebEnginePage(profile, parent), guard(new ShowGuard(this))
    {
        setUrlRequestInterceptor(guard);
        setBackgroundColor(Qt::black);
    }

    ShowGuard *guard;
    std::function<void(const QUrl &url)> linkClicked;

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (isMainFrame && (type == NavigationTypeTyped || type == NavigationTypeReload))
            return true;
        if (isMainFrame && type == NavigationTypeLinkClicked && linkClicked)
            linkClicked(url);
        return false;
    }
    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }
};

SlideShowPlayer::SlideShowPlayer(WebEngine &engine, QWidget *parent)
    : DeckPlayer(parent), m_engine(engine), m_view(new EngineView(engine, parent))
{
    connect(m_view, &EngineView::focusIn, this, &DeckPlayer::focusIn);
    connect(m_view, &EngineView::pressed, this, [this] {
        m_sincePress.start();
        emit pressed();
    });
    connect(m_view, &EngineView::crashed, this,
            [this] { fail(QStringLiteral("幻灯片放映的显示进程意外停止")); });
}

QWidget *SlideShowPlayer::widget()
{
    return m_view;
}

void SlideShowPlayer::setShow(const QString &file)
{
    m_show = file;
    m_slides = {};
    if (file.isEmpty()) {
        if (m_page)
            m_page->setUrl(QUrl(QStringLiteral("about:blank")));
        setStatus(Status::Empty);
        return;
    }
    QFile notes(QFileInfo(file).absolutePath() + QStringLiteral("/show.json"));
    if (notes.open(QIODevice::ReadOnly) && notes.size() <= kMaxNotes)
        m_slides = QJsonDocument::fromJson(notes.readAll()).object().value(QLatin1String("slides")).toArray();
    load();
}

void SlideShowPlayer::load()
{
    m_onWeb = false;
    m_slide = -1;
    m_linksOpened = 0;
    setStatus(Status::Loading);
    if (!m_page) {
        QWebEngineView *view = m_view->view();
        m_page = new ShowPage(m_engine.profile(), view);
        view->setPage(m_page);
        connect(m_page, &QWebEnginePage::loadFinished, this, &SlideShowPlayer::onLoaded);
        connect(m_page, &QWebEnginePage::titleChanged, this, &SlideShowPlayer::readTitle);
        m_page->linkClicked = [this](const QUrl &url) {
            readTitle(QStringLiteral("open %1 %2").arg(m_linksOpened + 1).arg(url.toString()));
        };
    }
    m_page->guard->folder = QFileInfo(m_show).absolutePath();
    m_page->guard->web = false;
    m_view->hideNotice();
    m_page->load(QUrl::fromLocalFile(QFileInfo(m_show).absoluteFilePath()));
}

void SlideShowPlayer::onLoaded(bool ok)
{
    if (m_onWeb || m_show.isEmpty() || m_status != Status::Loading)
        return;
    if (!ok) {
        fail(QStringLiteral("幻灯片放映无法载入"));
        return;
    }
    QFile script(m_engine.webFolder() + QStringLiteral("/slideshow.js"));
    if (!script.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("找不到幻灯片放映组件"));
        return;
    }
    const QByteArray notes =
        QJsonDocument(QJsonObject{{QStringLiteral("slides"), m_slides}}).toJson(QJsonDocument::Compact);
    const QString code = QStringLiteral("window.veltanoShow = %1;\n%2\ndocument.title;")
                             .arg(QString::fromUtf8(notes), QString::fromUtf8(script.readAll()));
    const QString show = m_show;
    m_page->runJavaScript(code, [this, show](const QVariant &title) {
        if (show == m_show && m_status == Status::Loading)
            readTitle(title.toString());
    });
}

void SlideShowPlayer::readTitle(const QString &title)
{
    const QStringList parts = title.split(QLatin1Char(' '));
    if (m_onWeb || m_status == Status::Failed || m_status == Status::Empty)
        return;
    if (parts.size() == 2 && parts.at(0) == QLatin1String("slide")) {
        const int slide = parts.at(1).toInt();
        if (slide == m_slide)
            return;
        m_slide = slide;
        setStatus(Status::Playing);
        QStringList media;
        for (const QJsonValue &name : m_slides.at(slide).toObject().value(QLatin1String("media")).toArray())
            media.append(name.toString());
        if (!media.isEmpty())
            emit cannotPlay(media.join(QStringLiteral("、")));
    } else if (parts.size() == 3 && parts.at(0) == QLatin1String("open")) {
        const int click = parts.at(1).toInt();
        const QUrl url(parts.at(2));
        if (click <= m_linksOpened)
            return;
        m_linksOpened = click;
        // Only the teacher's own click opens a page, never the show by itself.
        if (!isWebPage(url) || !m_sincePress.isValid() || m_sincePress.elapsed() > kClickMs)
            return;
        m_onWeb = true;
        m_page->guard->web = true;
        m_page->load(url);
    } else if (title == QLatin1String("failed") && m_status == Status::Loading) {
        fail(QStringLiteral("幻灯片放映无法启动"));
    }
}

void SlideShowPlayer::step(int direction)
{
    if (m_onWeb) {
        // Back from the web page to the show, at its start.
        if (direction < 0)
            load();
        return;
    }
    if (m_status == Status::Playing)
        m_page->runJavaScript(QStringLiteral("veltanoStep(%1)").arg(direction < 0 ? -1 : 1));
}

void SlideShowPlayer::fail(const QString &reason)
{
    if (m_status == Status::Failed)
        return;
    setStatus(Status::Failed);
    emit failed(reason);
}

void SlideShowPlayer::setStatus(Status status)
{
    if (m_status == status)
        return;
    m_status = status;
    emit statusChanged(status);
}

DeckPlayer *SlideShowPlayerFactory::create(QWidget *parent)
{
    return new SlideShowPlayer(m_engine, parent);
}

void SlideShowPlayerFactory::prepare()
{
    m_engine.profile();
}
