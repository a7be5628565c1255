#include "deckpane.h"

#include "deckview.h"
#include "documentwait.h"
#include "lesson/filekinds.h"
#include "lesson/lessonbook.h"
#include "lesson/medialists.h"
#include "paneservices.h"
#include "platform/deckplayer.h"
#include "platform/documentconverter.h"
#include "platform/filedialog.h"
#include "platform/office/pdfpages.h"

#include <cstdio>
#include <QAction>
#include <QEvent>

namespace {

const QString kPlay = QStringLiteral("播放");
const QString kStop = QStringLiteral("停止");

} // namespace

DeckPane::DeckPane(const PaneServices &services, const FullArea &fullArea, QWidget *workArea, QObject *parent)
    : Pane(PaneKind::Deck, new DeckView(workArea), services.scale, parent), m_services(services),
      m_fullArea(fullArea), m_view(static_cast<DeckView *>(control())),
      m_wait(new DocumentWait(services.documents, workArea, this))
{
    connect(m_view, &DeckView::deckShown, this, [this] {
        emit recorded(kind());
        m_view->raise();
    });
    connect(m_view, &DeckView::slideUnreadable, this, [this](int slide) {
        m_wait->tell(QStringLiteral("幻灯片无法显示：") + pdfpages::pageProblem(slide), m_view);
    });
    connect(m_wait, &DocumentWait::opened, this, &DeckPane::onOpened);
    // The first slides stand still in the pane while the show is made.
    connect(m_wait, &DocumentWait::stillPages, this,
            [this](const ConvertedDocument &pages) { m_view->showDeck(pages.file, nullptr); });
}

void DeckPane::Navigate(const QString &path)
{
    stopShow();
    m_view->clear();
    if (path.isEmpty())
        m_wait->cancel();
    else
        m_wait->request(path, m_view);
}

void DeckPane::Powerpointstar()
{
    const std::optional<QString> chosen = m_services.fileDialog->chooseFile(
        filekinds::withCommonFormats(QStringLiteral("PowerPoint演示文稿|*.ppt"), MediaKind::Deck),
        m_services.book.lessonBook());
    if (!chosen)
        return;
    placeQuarter();
    Navigate(*chosen);
    setVisible(true);
}

void DeckPane::deckButton(MediaList &decks, QAction *button)
{
    if (m_services.lesson[slot::DeckFiles].isEmpty()) {
        Powerpointstar();
        return;
    }
    if (button->text() == kPlay) {
        placeQuarter();
        Navigate(m_services.book.openable(decks.stepOn()));
        button->setText(kStop);
        setVisible(true);
    } else if (button->text() == kStop) {
        button->setText(kPlay);
        setVisible(false);
        Navigate(QString());
    }
}

void DeckPane::prepare(const MediaList &decks)
{
    for (int i = 0; i < decks.count; ++i) {
        const QString path = m_services.book.openable(decks.elements.value(i));
        if (!path.isEmpty())
            m_services.documents->open(path, DocumentConverter::Urgency::Background);
    }
}

void DeckPane::placeQuarter()
{
    setGeometry({float(m_fullArea.Left), float(m_fullArea.Top), float(m_fullArea.Width / 2.0),
                 float(m_fullArea.Height / 2.0)});
}

void DeckPane::step(int direction)
{
    if (m_player && m_view->show() && m_player->status() == DeckPlayer::Status::Playing)
        m_player->step(direction);
    else if (direction > 0)
        m_view->next();
    else
        m_view->previous();
}

void DeckPane::onOpened(const ConvertedDocument &converted)
{
    if (converted.format == ConvertedDocument::Format::Show) {
        play(converted);
        return;
    }
    QString problem;
    if (!m_view->showDeck(converted.file, &problem))
        m_wait->report(converted.source, problem);
}

void DeckPane::play(const ConvertedDocument &converted)
{
    if (!m_services.deckPlayers) {
        showPages(converted.source, QStringLiteral("no slide show here"));
        return;
    }
    if (!m_player) {
        m_player = m_services.deckPlayers->create(m_view);
        m_player->widget()->hide();
        connect(m_player, &DeckPlayer::statusChanged, this, [this](DeckPlayer::Status status) {
            if (status == DeckPlayer::Status::Playing)
                showPlaying();
        });
        connect(m_player, &DeckPlayer::failed, this, [this](const QString &reason) {
            if (!m_showSource.isEmpty())
                showPages(m_showSource, reason);
        });
        connect(m_player, &DeckPlayer::cannotPlay, this, [this](const QString &what) {
            m_wait->tell(QStringLiteral("幻灯片中的声音或视频不能播放：") + what, m_view);
        });
        connect(m_player, &DeckPlayer::focusIn, this, &Pane::focusTaken);
        connect(m_player, &DeckPlayer::pressed, this, [this] { emit recorded(kind()); });
    }
    m_showSource = converted.source;
    // Without a still to keep, the show covers the pane at once.
    if (m_view->slideCount() == 0)
        m_view->setShow(m_player->widget());
    m_player->setShow(converted.file);
    if (m_player->status() == DeckPlayer::Status::Playing)
        showPlaying();
}

void DeckPane::showPlaying()
{
    if (m_showSource.isEmpty())
        return;
    // A still of the first slides stays until the show is on screen.
    m_view->setShow(m_player->widget());
    m_view->clear();
    emit recorded(kind());
    m_view->raise();
}

// A deck whose show cannot be made or played is shown as its pages.
void DeckPane::showPages(QString source, const QString &reason)
{
    std::fprintf(stderr, "Veltano: %s plays as still pages: %s\n", qPrintable(source), qPrintable(reason));
    stopShow();
    m_wait->request(source, m_view, DocumentConverter::Form::Pages);
}

void DeckPane::stopShow()
{
    m_showSource.clear();
    m_view->setShow(nullptr);
    if (m_player)
        m_player->setShow(QString());
}

bool DeckPane::eventFilter(QObject *watched, QEvent *event)
{
    // The focus leaving the deck leaves it in front of the other panes.
    if (watched == m_view && event->type() == QEvent::FocusOut)
        m_view->raise();
    return Pane::eventFilter(watched, event);
}
