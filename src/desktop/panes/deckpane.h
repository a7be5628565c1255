#pragma once

#include "geometry/placement.h"
#include "pane.h"

struct PaneServices;
struct ConvertedDocument;
struct MediaList;
class DeckView;
class DocumentWait;
class QAction;

// The deck pane ("Ppt"): the control WebBrowser1 showing a PowerPoint deck
// converted to PDF. Opening a deck is waited for with a notice over the pane;
// the desktop stays usable. The pane keeps itself in front of the other
// panes: when a deck has been shown in it and when the focus leaves it.
class DeckPane : public Pane
{
    Q_OBJECT
public:
    DeckPane(const PaneServices &services, const FullArea &fullArea, QWidget *workArea,
             QObject *parent = nullptr);

    DeckView *WebBrowser1() const { return m_view; }

    // Shows the deck at `path` (a ".ppt" or ".pps" file); an empty path shows nothing.
    void Navigate(const QString &path);

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

    const PaneServices &m_services;
    const FullArea &m_fullArea;
    DeckView *m_view;
    DocumentWait *m_wait;
};
