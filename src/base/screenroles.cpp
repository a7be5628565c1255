#include "screenroles.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

ScreenInfo infoOf(const QScreen *screen)
{
    return ScreenInfo{screen->name(), screen->size(), screen->logicalDotsPerInchX(),
                      screen->logicalDotsPerInchY()};
}

bool sameLayout(const ScreenInfo &a, const ScreenInfo &b)
{
    return a.pixels == b.pixels && qFuzzyCompare(a.dpiX, b.dpiX) && qFuzzyCompare(a.dpiY, b.dpiY);
}

} // namespace

ScreenRoles::ScreenRoles(ProgramSettings settings, QObject *parent)
    : QObject(parent), m_settings(std::move(settings)), m_chosen(m_settings.projectorScreen())
{
    m_placedOn = projector();
    m_placedInfo = projectorInfo();
    // Queued: while a screen is being removed it may still be listed.
    const auto changed = [this] { QTimer::singleShot(0, this, &ScreenRoles::screensMoved); };
    // A projector often switches its mode once it is plugged in: a screen
    // that changes size or DPI is laid out for again.
    const auto watch = [this, changed](QScreen *screen) {
        connect(screen, &QScreen::geometryChanged, this, changed);
        connect(screen, &QScreen::logicalDotsPerInchChanged, this, changed);
    };
    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
    connect(qApp, &QGuiApplication::screenAdded, this, [changed, watch](QScreen *screen) {
        watch(screen);
        changed();
    });
    connect(qApp, &QGuiApplication::screenRemoved, this, changed);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, changed);
}

QList<ScreenInfo> ScreenRoles::screens() const
{
    QList<ScreenInfo> infos;
    for (const QScreen *screen : QGuiApplication::screens())
        infos.append(infoOf(screen));
    return infos;
}

QScreen *ScreenRoles::projector() const
{
    const QList<QScreen *> all = QGuiApplication::screens();
    const int index =
        screenchoice::projectorIndex(screens(), m_chosen, int(all.indexOf(QGuiApplication::primaryScreen())));
    return index < 0 ? nullptr : all.at(index);
}

ScreenInfo ScreenRoles::projectorInfo() const
{
    const QScreen *screen = projector();
    return screen ? infoOf(screen) : ScreenInfo{QString(), QSize(1024, 768)};
}

bool ScreenRoles::choose(const QString &name)
{
    const bool saved = m_settings.setProjectorScreen(name);
    m_chosen = name;
    screensMoved();
    return saved;
}

void ScreenRoles::present(QWidget *window, Qt::WindowState state, std::function<void()> refit)
{
    // A window presented again (the next lesson on the same desktop) is kept once.
    m_presented.removeIf([window](const Presented &p) { return p.window.isNull() || p.window == window; });
    m_presented.append(Presented{window, state, std::move(refit)});
    place(window, state);
}

void ScreenRoles::screensMoved()
{
    QScreen *now = projector();
    const ScreenInfo info = projectorInfo();
    if (now != m_placedOn || !sameLayout(info, m_placedInfo)) {
        m_placedOn = now;
        m_placedInfo = info;
        emit projectorChanged();
        m_presented.removeIf([](const Presented &p) { return p.window.isNull(); });
        const QList<Presented> presented = m_presented;
        for (const Presented &shown : presented) {
            if (shown.window.isNull())
                continue;
            place(shown.window, shown.state);
            if (shown.refit)
                shown.refit();
        }
    }
    emit screensChanged();
}

// Full screen is left first: a window manager keeps a full-screen window on
// its screen and ignores a new place until the state is set again.
void ScreenRoles::place(QWidget *window, Qt::WindowState state) const
{
    QScreen *screen = projector();
    if (!screen)
        return;
    const bool shown = window->isVisible();
    if (window->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized))
        window->setWindowState(Qt::WindowNoState);
    if (QWindow *handle = window->windowHandle())
        handle->setScreen(screen);
    window->setGeometry(state == Qt::WindowFullScreen ? screen->geometry() : screen->availableGeometry());
    window->setWindowState(state);
    if (shown)
        window->show();
}
