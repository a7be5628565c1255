#pragma once

#include "desktop/logic/inkstrokes.h"

#include <functional>
#include <QImage>
#include <QPointer>
#include <QWidget>

class QMenu;
class QTimer;
class TeachingDesktop;

// Ink over whatever the work area shows. Switched on, the layer covers the
// area with a still of it taken from the screen (so the frames of video, web
// and Flash panes, which live in native child windows, are in it) and takes
// the left-button drags as strokes; a right click offers colours, pens, the
// eraser, undo, clearing, saving and leaving. F12 in the desktop or a window
// it opened (the browser) switches it on, over that window too. While it is
// on it takes every key of those windows, so no pane pages, records itself
// or steps; Esc and F12 switch it off, Ctrl+Z undoes. Switched off, the panes show
// again as they were, the keyboard goes back where it was, and the ink is gone.
// On another screen the still and its ink follow the area.
class InkLayer : public QWidget
{
    Q_OBJECT
public:
    // `area` is what the layer freezes and covers; `savePath` names the next
    // picture that saving writes.
    InkLayer(QWidget *area, std::function<QString()> savePath);

    bool isOn() const { return m_on; }
    void enter();
    void leave();
    void toggle();
    void undo();
    void clear();
    // Writes the still with its ink as a PNG; a notice says the name or the failure.
    bool save();

    const ink::Strokes &strokes() const { return m_strokes; }
    // The still with its ink, in the screen's own pixels.
    const QImage &picture() const { return m_canvas; }
    const QString &notice() const { return m_notice; }
    QMenu *menu() const { return m_menu; }

signals:
    void switched(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void tabletEvent(QTabletEvent *event) override;

private:
    void buildMenu();
    QPixmap grabArea() const;
    void refit();
    bool underInk(const QWidget *widget) const;
    bool takeKey(const QKeyEvent *key);
    void penDown(const QPointF &at, double pressure);
    void penMove(const QPointF &at, double pressure);
    void penUp();
    void redraw();
    void drawPiece(const ink::Piece &piece, ink::Colour colour);
    void showNotice(const QString &text);

    QWidget *m_area;
    QWidget *m_desktop;
    std::function<QString()> m_savePath;
    ink::Strokes m_strokes;
    ink::Colour m_colour = ink::Colour::Red;
    ink::Pen m_pen = ink::Pen::Medium;
    bool m_eraser = false;
    bool m_on = false;
    bool m_penDown = false;
    QPointF m_last;
    // The still as taken, and the still with the ink drawn on it.
    QImage m_still;
    QImage m_canvas;
    QPointer<QWidget> m_focusBefore;
    QPointer<QWidget> m_windowBefore;
    QMenu *m_menu;
    // The colour item that the pen draws with, checked again as ink starts.
    QAction *m_penItem = nullptr;
    QTimer *m_noticeTimer;
    QString m_notice;
};

// Puts the layer over the desktop's work area: F12 and the 格式 menu's "批注"
// switch it on and off; while it is on, video, sound and Flash movies pause.
void installInkLayer(TeachingDesktop &desktop);
