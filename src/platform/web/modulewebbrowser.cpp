#include "modulewebbrowser.h"

#include "platform/webcomponents.h"
#include "webmodule.h"

#include <QLabel>
#include <QTimer>

namespace {

// The browser of a program whose web module is missing: it says so and
// every command does nothing.
class MissingWebBrowser : public WebBrowser
{
public:
    explicit MissingWebBrowser(QWidget *parent)
        : WebBrowser(parent), m_notice(new QLabel(QStringLiteral("找不到网页组件，无法显示网页。"), parent))
    {
        m_notice->setAlignment(Qt::AlignCenter);
    }

    QWidget *widget() override { return m_notice; }
    void Navigate(const QString &) override {}
    void GoBack() override {}
    void GoForward() override {}
    void GoHome() override {}
    void Refresh() override {}
    void Stop() override {}
    QString LocationName() const override { return {}; }
    QString LocationURL() const override { return {}; }
    bool Busy() const override { return false; }

private:
    QLabel *m_notice;
};

} // namespace

WebBrowser *ModuleWebBrowserFactory::create(QWidget *parent)
{
    if (WebComponents *components = m_module.components())
        return components->webBrowsers().create(parent);
    return new MissingWebBrowser(parent);
}

// As for movies: the module now, the engine on the next turn of the event loop.
void ModuleWebBrowserFactory::prepare()
{
    if (WebComponents *components = m_module.components())
        QTimer::singleShot(0, dynamic_cast<QObject *>(components),
                           [components] { components->webBrowsers().prepare(); });
}
