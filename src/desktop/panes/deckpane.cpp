#include "deckpane.h"

#include "deckview.h"
#include "documentwait.h"
#include "lesson/filekinds.h"
#include "lesson/lessonbook.h"
#include "lesson/medialists.h"
#include "paneservices.h"
#include "platform/documentconverter.h"
#include "platform/filedialog.h"
#include "platform/office/pdfpages.h"

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
}

void DeckPane::Navigate(const QString &path)
{
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

void DeckPane::onOpened(const ConvertedDocument &converted)
{
    QString problem;
    if (!m_view->showDeck(converted.file, &problem))
        m_wait->report(converted.source, problem);
}

bool DeckPane::eventFilter(QObject *watched, QEvent *event)
{
    // The focus leaving the deck leaves it in front of the other panes.
    if (watched == m_view && event->type() == QEvent::FocusOut)
        m_view->raise();
    return Pane::eventFilter(watched, event);
}
