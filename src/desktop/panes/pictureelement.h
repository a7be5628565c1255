#pragma once

#include "picturecache.h"

#include <QPixmap>
#include <QWidget>

class QPainter;

// One image element Image1(k) of the picture pane. Stretched, the picture
// fills the element; otherwise it is drawn at its own size from the top left.
// A file that cannot be read shows a small notice naming it. Presses, moves
// and releases are handed on with the element's index.
class PictureElementView : public QWidget
{
    Q_OBJECT
public:
    PictureElementView(int index, QWidget *parent);

    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    // The list's name of the file shown; empty: none.
    const QString &file() const { return m_file; }
    // Nothing changes when it is the picture already shown.
    void showPicture(const QString &file, const CachedPicture &picture);
    bool showsNotice() const { return !m_file.isEmpty() && !m_picture.readable; }
    // While a zoom runs, scaling favours speed over smoothness.
    void setFastScaling(bool fast);

signals:
    void moved(int index);
    void released(int index, Qt::MouseButton button, const QPoint &globalPos);
    // A left button pressed and released over the element.
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintNotice(QPainter &painter);
    const QPixmap &scaledTo(const QSize &size);

    int m_index;
    bool m_stretch = false;
    bool m_fast = false;
    bool m_leftPressed = false;
    QString m_file;
    CachedPicture m_picture;
    QPixmap m_scaled;
    bool m_scaledFast = false;
};
