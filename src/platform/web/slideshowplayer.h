#pragma once

#include "platform/deckplayer.h"

#include <QElapsedTimer>
#include <QJsonArray>

class EngineView;
class ShowPage;
class WebEngine;

// The slide show on Qt WebEngine: the office suite's SVG runs its own
// presentation script, and the program's slideshow.js (from the web folder)
// makes it step as the pane steps and reports the slide shown through the
// page's title. A link to the web replaces the show until the next step back.
class SlideShowPlayer : public DeckPlayer
{
    Q_OBJECT
public:
    // A click on a link opens it only this soon after the teacher's press.
    static constexpr int kClickMs = 1500;

    SlideShowPlayer(WebEngine &engine, QWidget *parent);

    QWidget *widget() override;
    void setShow(const QString &file) override;
    QString show() const override { return m_show; }
    void step(int direction) override;
    Status status() const override { return m_status; }

private:
    void load();
    void onLoaded(bool ok);
    void readTitle(const QString &title);
    void fail(const QString &reason);
    void setStatus(Status status);

    WebEngine &m_engine;
    EngineView *m_view;
    ShowPage *m_page = nullptr;
    QString m_show;
    QJsonArray m_slides; // what the conversion noted beside the show, per slide
    QElapsedTimer m_sincePress;
    int m_slide = -1;
    int m_linksOpened = 0;
    bool m_onWeb = false;
    Status m_status = Status::Empty;
};

class SlideShowPlayerFactory : public DeckPlayerFactory
{
public:
    explicit SlideShowPlayerFactory(WebEngine &engine) : m_engine(engine) {}
    DeckPlayer *create(QWidget *parent) override;
    // Starts the engine.
    void prepare() override;

private:
    WebEngine &m_engine;
};
