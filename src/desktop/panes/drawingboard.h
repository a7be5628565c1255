#pragma once

#include "geometry/twips.h"

#include <QColor>
#include <QImage>
#include <QWidget>

// The drawing surface `Picture1`: while a mouse button is held on it, every
// reported pointer position leaves one 60-twip square in palette colour 5.
// The marks go into an image of their own, so they survive any repaint and a
// move or resize of the pane.
class DrawingBoard : public QWidget
{
    Q_OBJECT
public:
    DrawingBoard(const TwipsScale &scale, QWidget *parent);

    static QColor penColour() { return QColor(128, 0, 128); }

    const QImage &image() const { return m_image; }
    bool penDown() const { return m_penDown; }

    // The custom pointer from an icon file; the pencil's tip, its lower-left
    // corner, is the hot spot. An icon that cannot be read leaves the pointer as is.
    void usePointerIcon(const QString &iconPath);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void drawMark(const QPoint &pixels);
    void coverSize(const QSize &size);

    TwipsScale m_scale;
    QImage m_image;
    bool m_penDown = false;
};
