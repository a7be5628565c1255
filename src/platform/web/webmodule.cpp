#include "webmodule.h"

#include "platform/webcomponents.h"

#include <cstdio>
#include <QOpenGLContext>

// Qt's application-wide share context, whose format Qt WebEngine 6.4 reads as
// it starts, even when it draws without OpenGL.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

WebModule::WebModule(QString modulePath, QString webFolder)
    : m_webFolder(std::move(webFolder)), m_loader(modulePath)
{}

WebModule::~WebModule()
{
    if (m_shareContext && qt_gl_global_share_context() == m_shareContext.get())
        qt_gl_set_global_share_context(nullptr);
}

WebComponents *WebModule::components()
{
    if (m_tried)
        return m_components;
    m_tried = true;
    prepareEngine();
    m_components = qobject_cast<WebComponents *>(m_loader.instance());
    if (!m_components) {
        std::fprintf(stderr, "Veltano: cannot load the web module: %s\n", qPrintable(m_loader.errorString()));
        return nullptr;
    }
    m_components->open(m_webFolder);
    return m_components;
}

// The engine's pages are drawn in software: Qt Quick's software renderer for
// its views, and the engine then composes without the GPU (it turns the GPU off
// itself). With OpenGL every lesson that showed a page kept Mesa's llvmpipe,
// the engine's GPU thread and an OpenGL copy of the desktop's window (55 MiB
// more) for pages that gain nothing from it on a computer without a GPU. With
// no OpenGL for the X connection Qt does not make a trial context either
// (that alone loads the driver). The desktop's own windows never asked for
// OpenGL, so neither is set too late. The engine's share context is made but
// never created: it answers for its format without loading a driver.
void WebModule::prepareEngine()
{
    qputenv("QT_QUICK_BACKEND", "software");
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    appendEngineFlags();
    if (qt_gl_global_share_context())
        return;
    m_shareContext = std::make_unique<QOpenGLContext>();
    qt_gl_set_global_share_context(m_shareContext.get());
}

// The emulator's 14 MB of WebAssembly is compiled a function at a time as the
// movie first calls it rather than all before the first frame (about 30 MiB of
// code in the movie's process, and the first movie comes sooner); the audio
// service's process quits a second after the last sound, not with the lesson;
// one page process serves all pages, the movie's and the browser's (about
// 30 MiB less each page shown beside another; a page whose process dies takes
// the others down with it, each with its notice and reload button).
// Flags given in the environment come after these and win.
void WebModule::appendEngineFlags()
{
    const QByteArray ours = "--js-flags=--wasm-lazy-compilation --audio-service-quit-timeout-ms=1000 "
                            "--renderer-process-limit=1";
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains(ours))
        return;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (ours + ' ' + flags).trimmed());
}
