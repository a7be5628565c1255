#pragma once

#include <memory>
#include <QPluginLoader>
#include <QString>

class QOpenGLContext;
class WebComponents;

// Loads the web module (Qt WebEngine with the browser and the Flash player)
// the first time a page is needed, after setting the engine to draw in
// software.
class WebModule
{
public:
    // `modulePath`: the module's file; `webFolder`: the program's own pages
    // and the Flash emulator.
    WebModule(QString modulePath, QString webFolder);
    ~WebModule();

    // Loads the module on the first call; null when it cannot be loaded (the
    // reason is printed once and every later call answers null at once).
    WebComponents *components();
    bool loaded() const { return m_components != nullptr; }

private:
    void prepareEngine();
    static void appendEngineFlags();

    QString m_webFolder;
    QPluginLoader m_loader;
    WebComponents *m_components = nullptr;
    std::unique_ptr<QOpenGLContext> m_shareContext;
    bool m_tried = false;
};
