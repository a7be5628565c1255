#pragma once

#include <QLabel>

// A small picture button `Image1`(k) that opens a file picker. It shows a pointer of
// its own and, when asked to, a single-line border while the mouse button is down.
// Disabled, it takes no clicks.
class PickerButton : public QLabel
{
    Q_OBJECT
public:
    PickerButton(int index, bool borderWhilePressed, const QCursor &cursor, QWidget *parent = nullptr);

    int index() const { return m_index; }

signals:
    void clicked(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int m_index;
    bool m_borderWhilePressed;
};
