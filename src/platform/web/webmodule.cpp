#include "webmodule.h"

#include "platform/webcomponents.h"

#include <cstdio>
#include <QGuiApplication>
#include <QOpenGLContext>

// Qt's application-wide share context, as Qt WebEngine itself reaches it.
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
    prepareOpenGL();
    m_components = qobject_cast<WebComponents *>(m_loader.instance());
    if (!m_components) {
        std::fprintf(stderr, "Veltano: cannot load the web module: %s\n", qPrintable(m_loader.errorString()));
        return nullptr;
    }
    m_components->open(m_webFolder);
    return m_components;
}

// The engine draws through an OpenGL context shared application-wide. Asked
// for before the application starts, Qt would make it at once and load the
// OpenGL driver (tens of MiB) into every lesson, web page or not; it is made
// here instead, before the engine starts. The desktop's own windows make no
// OpenGL context that would need to share with it. Qt warns that the attribute
// comes late; the engine and its views read it only from now on.
void WebModule::prepareOpenGL()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (qt_gl_global_share_context())
        return;
    m_shareContext = std::make_unique<QOpenGLContext>();
    if (!m_shareContext->create()) {
        std::fprintf(stderr, "Veltano: no OpenGL context for web pages; they draw without one\n");
        m_shareContext.reset();
        return;
    }
    qt_gl_set_global_share_context(m_shareContext.get());
}
