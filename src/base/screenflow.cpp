#include "screenflow.h"

#include <algorithm>

void ScreenFlow::registerScreen(ScreenId id, Factory factory)
{
    m_factories.insert(id, std::move(factory));
}

void ScreenFlow::registerChildWindow(ScreenId id, ChildFactory factory)
{
    m_childFactories.insert(id, std::move(factory));
}

QWidget *ScreenFlow::openChildWindow(ScreenId id, QWidget *parent)
{
    const auto factory = m_childFactories.constFind(id);
    if (m_ended || factory == m_childFactories.constEnd())
        return nullptr;
    return (*factory)(parent);
}

QWidget *ScreenFlow::load(ScreenId id)
{
    // Once the program has ended, a window created while its quit is still
    // queued would only appear and vanish.
    if (m_ended)
        return nullptr;
    if (QWidget *existing = window(id))
        return existing;
    const auto factory = m_factories.constFind(id);
    if (factory == m_factories.constEnd())
        return nullptr;
    QWidget *created = (*factory)();
    created->setAttribute(Qt::WA_DeleteOnClose, false);
    m_windows.insert(id, created);
    // A window destroyed by other means (e.g. its parent) counts as unloaded.
    connect(created, &QObject::destroyed, this, [this, id, created] {
        if (m_windows.value(id) == created || m_windows.value(id).isNull())
            forget(id);
    });
    if (auto *screen = dynamic_cast<Screen *>(created))
        screen->load();
    if (isLoaded(id))
        emit screenLoaded(id);
    return window(id);
}

QWidget *ScreenFlow::show(ScreenId id)
{
    QWidget *shown = load(id);
    if (shown)
        shown->show();
    return shown;
}

void ScreenFlow::unload(ScreenId id)
{
    QPointer<QWidget> gone = m_windows.take(id);
    if (gone) {
        gone->hide();
        gone->deleteLater();
    }
    if (m_windows.isEmpty() || std::all_of(m_windows.cbegin(), m_windows.cend(),
                                           [](const QPointer<QWidget> &w) { return w.isNull(); }))
        endProgram();
}

QWidget *ScreenFlow::window(ScreenId id) const
{
    return m_windows.value(id).data();
}

void ScreenFlow::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    const auto windows = m_windows;
    m_windows.clear();
    for (const QPointer<QWidget> &w : windows) {
        if (w) {
            w->hide();
            w->deleteLater();
        }
    }
    emit programEnded();
}

void ScreenFlow::forget(ScreenId id)
{
    m_windows.remove(id);
}
