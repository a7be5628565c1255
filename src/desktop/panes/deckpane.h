#pragma once

#include "geometry/placement.h"
#include "pane.h"

struct PaneServices;
struct ConvertedDocument;
struct MediaList;
class DeckPlayer;
class DeckView;
class DocumentWait;
class QAction;

// The deck pane ("Ppt"): the control WebBrowser1 playing a PowerPoint deck as
// a slide show with its builds, transitions and links, or showing its pages
// converted to PDF where no show can be made or played (a PDF deck as it is).
// Opening a deck is waited for with a notice over the pane, or over the first
// slides as a still while the show is made; the desktop stays usable. The pane keeps itself in front of the
// other panes: when a deck has been shown in it and when the focus leaves it.
class DeckPane : public Pane
{
    Q_OBJECT
public:
    DeckPane(const PaneServices &services, const FullArea &fullArea, QWidget *workArea,
             QObject *parent = nullptr);

    DeckView *WebBrowser1() const { return m_view; }

    // Shows the deck at `path` (a ".ppt" or ".pps" file); an empty path shows nothing.
    void Navigate(const QString &path);
    // The next build or slide (direction +1), or back (-1).
    void step(int direction);
    // The show playing the deck; null while none was ever played.
    DeckPlayer *player() const { return m_player; }

    // File menu "Powerpoint打开": a deck chosen in the open dialog, in the
    // upper left quarter of the work area.
    void Powerpointstar();
    // Toolbar "ppt" (`button` is button 2, its caption the state): the next
    // deck of the lesson, or stopping the one shown.
    void deckButton(MediaList &decks, QAction *button);

    // Desktop start-up: the lesson's decks start converting in the background,
    // so the first "ppt" usually finds them ready.
    void prepare(const MediaList &decks);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeQuarter();
    void onOpened(const ConvertedDocument &converted);
    void play(const ConvertedDocument &converted);
    void showPlaying();
    // `source` by value: it may be the show's own, which stopping clears.
    void showPages(QString source, const QString &reason);
    void stopShow();

    const PaneServices &m_services;
    const FullArea &m_fullArea;
    DeckView *m_view;
    DocumentWait *m_wait;
    DeckPlayer *m_player = nullptr;
    QString m_showSource;
};
