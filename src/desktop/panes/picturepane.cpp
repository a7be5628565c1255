#include "picturepane.h"

#include "lesson/filekinds.h"
#include "lesson/lessonbook.h"
#include "paneservices.h"
#include "pictureelement.h"
#include "platform/dialogs/dialogchoice.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

namespace {

// The zoom ticks about once per display frame: the pace of the Windows timer
// the zoom was made with (15.6 ms), however short the interval asked for.
constexpr int kTickMilliseconds = 16;

} // namespace

PicturePane::PicturePane(const PaneServices &services, DesktopState &state, QWidget *workArea,
                         QMenu *location, QAction *enlarge, QAction *shrink, QObject *parent)
    : Pane(PaneKind::Picture, new PictureElementView(0, workArea), services.scale, parent),
      m_services(services), m_state(state), m_location(location), m_enlarge(enlarge), m_shrink(shrink),
      m_cache([workArea] { return largestShownSize(workArea->size() * workArea->devicePixelRatioF()); }),
      m_timer(new QTimer(this))
{
    m_views[0] = static_cast<PictureElementView *>(control());
    m_elements[0] = this;
    for (int k = 1; k < kPictureElements; ++k) {
        m_views[k] = new PictureElementView(k, workArea);
        m_elements[k] = new Pane(kind(), m_views[k], services.scale, this);
    }
    for (PictureElementView *view : m_views) {
        connect(view, &PictureElementView::moved, this, &PicturePane::Image1_MouseMove);
        connect(view, &PictureElementView::released, this, &PicturePane::Image1_MouseUp);
        connect(view, &PictureElementView::clicked, this, &PicturePane::Image1_Click);
    }
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(kTickMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &PicturePane::Timer1_Timer);
}

void PicturePane::PictureStar()
{
    OpenFileRequest request;
    request.title = QStringLiteral("选择文件");
    request.filter = filekinds::withCommonFormats(
        QStringLiteral(
            "图片文件|*.bmp;*.ico;*.cur;*.jpg;*.jpeg;*.gif|Jpeg文件|*.jpeg;*.jpg|Gif文件|*.gif|所有文件|*.*"),
        MediaKind::Picture);
    request.startFolder = m_services.book.programFolder();
    request.multiple = true;
    const OpenFileResult chosen = m_services.fileDialog->getOpenFile(request);
    if (chosen.cancelled)
        return;
    const SelectFileInfo info = parseDialogChoice(chosen.text, *m_services.messageBox);
    perform([&info](PictureLayouts &layouts) { layouts.importPictures(info); });
}

void PicturePane::PicEnlarge()
{
    m_shrink->setChecked(false);
    setZoomPointer(m_enlarge->isChecked() ? QStringLiteral("large.ico") : QString());
}

void PicturePane::PicShrink()
{
    m_enlarge->setChecked(false);
    setZoomPointer(m_shrink->isChecked() ? QStringLiteral("small.ico") : QString());
}

void PicturePane::pictureButton()
{
    if (m_services.lesson[slot::PictureFiles].isEmpty()) {
        PictureStar();
        return;
    }
    perform([](PictureLayouts &layouts) { layouts.pictureButton(); });
}

void PicturePane::Timer1_Timer()
{
    const int k = m_state.CurrentPicture;
    if (k < 0 || k >= kPictureElements) {
        setZoomRunning(false);
        return;
    }
    const ZoomMode mode = zoomMode();
    // With both marks cleared the picture stands still while the timer runs on.
    setFastScaling(mode.enlarge || mode.shrink);
    TwipsRect picture = m_elements[k]->geometry();
    const bool running = zoomTick(picture, mode, m_state.fullArea, m_state.ZoomStep);
    // The picture itself grows and shrinks, also one shown at its own size.
    if (mode.enlarge || mode.shrink)
        m_views[k]->setStretch(true);
    m_elements[k]->setGeometry(picture);
    if (!running)
        setZoomRunning(false);
}

void PicturePane::Image1_Click(int k)
{
    m_state.CurrentPicture = k;
    m_views[k]->raise();
    if (zoomStarts(m_state.PictureCount, zoomMode()))
        setZoomRunning(true);
}

void PicturePane::Image1_MouseMove(int k)
{
    m_state.CurrentPicture = k;
}

void PicturePane::Image1_MouseUp(int, Qt::MouseButton button, const QPoint &globalPos)
{
    emit recorded(kind());
    if (button == Qt::RightButton)
        m_location->popup(globalPos);
}

void PicturePane::perform(const std::function<void(PictureLayouts &)> &command)
{
    PictureElements elements = snapshot();
    PictureLayouts layouts(elements, m_state, m_services.lesson[slot::PictureFiles],
                           [this](const QString &file) { return ownSize(file); });
    command(layouts);
    apply(elements);
}

PictureElements PicturePane::snapshot() const
{
    PictureElements elements;
    for (int k = 0; k < kPictureElements; ++k) {
        elements[k].rect = m_elements[k]->geometry();
        elements[k].visible = m_elements[k]->isVisible();
        elements[k].stretch = m_views[k]->stretch();
        elements[k].picture = m_views[k]->file();
    }
    return elements;
}

void PicturePane::apply(const PictureElements &elements)
{
    for (int k = 0; k < kPictureElements; ++k) {
        const PictureElement &e = elements[k];
        PictureElementView *view = m_views[k];
        view->setStretch(e.stretch);
        // A shown file is looked up again: it may have been copied in or changed since.
        if (view->file() != e.picture || (e.visible && !e.picture.isEmpty()))
            view->showPicture(e.picture,
                              e.picture.isEmpty() ? CachedPicture() : m_cache.picture(nativePath(e.picture)));
        if (!(m_elements[k]->geometry() == e.rect))
            m_elements[k]->setGeometry(e.rect);
        if (m_elements[k]->isVisible() != e.visible)
            m_elements[k]->setVisible(e.visible);
    }
}

QString PicturePane::nativePath(const QString &file) const
{
    return m_services.book.openable(file);
}

std::optional<QSizeF> PicturePane::ownSize(const QString &file)
{
    if (file.isEmpty())
        return std::nullopt;
    const CachedPicture picture = m_cache.picture(nativePath(file));
    if (!picture.readable)
        return std::nullopt;
    const TwipsScale &scale = m_services.scale;
    return QSizeF(scale.toTwipsX(picture.ownSize.width()), scale.toTwipsY(picture.ownSize.height()));
}

void PicturePane::setZoomPointer(const QString &iconName)
{
    const QPixmap icon = iconName.isEmpty()
                             ? QPixmap()
                             : QPixmap(m_services.book.setFolder(QStringLiteral("image/") + iconName));
    for (PictureElementView *view : m_views) {
        if (icon.isNull())
            view->setCursor(Qt::ArrowCursor);
        else
            view->setCursor(QCursor(icon));
    }
}

void PicturePane::setZoomRunning(bool running)
{
    if (running) {
        m_timer->start();
        setFastScaling(true);
        return;
    }
    m_timer->stop();
    // Smoothing the last size costs a frame of its own, one frame later.
    QTimer::singleShot(kTickMilliseconds, this, [this] {
        if (!m_timer->isActive())
            setFastScaling(false);
    });
}

void PicturePane::setFastScaling(bool fast)
{
    for (PictureElementView *view : m_views)
        view->setFastScaling(fast);
}

ZoomMode PicturePane::zoomMode() const
{
    return {m_enlarge->isChecked(), m_shrink->isChecked()};
}
