#include "moduledeckplayer.h"

#include "platform/webcomponents.h"
#include "webmodule.h"

#include <QTimer>
#include <QWidget>

namespace {

class MissingDeckPlayer : public DeckPlayer
{
public:
    explicit MissingDeckPlayer(QWidget *parent) : DeckPlayer(parent), m_widget(new QWidget(parent)) {}

    QWidget *widget() override { return m_widget; }
    void setShow(const QString &file) override
    {
        m_show = file;
        if (file.isEmpty())
            return;
        QTimer::singleShot(0, this, [this] {
            emit statusChanged(Status::Failed);
            emit failed(QStringLiteral("找不到网页组件"));
        });
    }
    QString show() const override { return m_show; }
    void step(int) override {}
    Status status() const override { return m_show.isEmpty() ? Status::Empty : Status::Failed; }

private:
    QWidget *m_widget;
    QString m_show;
};

} // namespace

DeckPlayer *ModuleDeckPlayerFactory::create(QWidget *parent)
{
    if (WebComponents *components = m_module.components())
        return components->deckPlayers().create(parent);
    return new MissingDeckPlayer(parent);
}

// As for movies: the module now, the engine on the next turn of the event loop.
void ModuleDeckPlayerFactory::prepare()
{
    if (WebComponents *components = m_module.components())
        QTimer::singleShot(0, dynamic_cast<QObject *>(components),
                           [components] { components->deckPlayers().prepare(); });
}
