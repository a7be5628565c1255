#pragma once

#include "desktop/logic/picturelayouts.h"
#include "desktop/logic/zoomtick.h"
#include "pane.h"
#include "picturecache.h"

#include <array>
#include <functional>

struct PaneServices;
class PictureElementView;
class QAction;
class QMenu;
class QTimer;

// The picture pane ("Image"): the six image elements Image1(0..5), each with
// its own twips geometry (this Pane is element 0), the layouts of one to six
// pictures, alignment and hiding of the current picture, the import of more
// pictures, the zoom modes and the zoom timer Timer1, and the toolbar's
// "Picture" button. Pictures are decoded once per file; an unreadable file
// shows a notice in its element, never a box that would stop the lesson.
class PicturePane : public Pane
{
    Q_OBJECT
public:
    // `state` is the desktop's shared state, `location` its menu
    // `PictureLocation`, `enlarge` and `shrink` the check items 放大 and 缩小;
    // all must outlive the pane.
    PicturePane(const PaneServices &services, DesktopState &state, QWidget *workArea, QMenu *location,
                QAction *enlarge, QAction *shrink, QObject *parent = nullptr);

    PictureElementView *Image1(int k) const { return m_views[k]; }
    // Element k's geometry and visibility (element 0 is this pane).
    Pane *element(int k) const { return m_elements[k]; }
    QTimer *Timer1() const { return m_timer; }

    // A command of the layouts (PictureOne ... PictureSix, align, PictureHidden)
    // on the elements as they stand; the result is shown.
    void perform(const std::function<void(PictureLayouts &)> &command);

    void PictureStar();
    // The check items have already toggled their own marks.
    void PicEnlarge();
    void PicShrink();
    // Toolbar "Picture": the import when the lesson names no pictures, else the next pictures.
    void pictureButton();

    void Timer1_Timer();
    void Image1_Click(int k);
    void Image1_MouseMove(int k);
    void Image1_MouseUp(int k, Qt::MouseButton button, const QPoint &globalPos);

private:
    PictureElements snapshot() const;
    void apply(const PictureElements &elements);
    // A name of the picture list as a path that can be opened.
    QString nativePath(const QString &file) const;
    std::optional<QSizeF> ownSize(const QString &file);
    void setZoomPointer(const QString &iconName);
    void setZoomRunning(bool running);
    void setFastScaling(bool fast);
    ZoomMode zoomMode() const;

    const PaneServices &m_services;
    DesktopState &m_state;
    QMenu *m_location;
    QAction *m_enlarge;
    QAction *m_shrink;
    std::array<PictureElementView *, kPictureElements> m_views{};
    std::array<Pane *, kPictureElements> m_elements{};
    PictureCache m_cache;
    QTimer *m_timer;
};
