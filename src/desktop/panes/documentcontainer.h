#pragma once

#include <QWidget>

// A document container (OLE1, OLE2): a transparent surface that a page of the
// lesson document is put into. It takes the keyboard when clicked and reports
// mouse releases so the desktop can pop up the Word location menu.
class DocumentContainer : public QWidget
{
    Q_OBJECT
public:
    explicit DocumentContainer(const QString &name, QWidget *parent = nullptr);

signals:
    void released(Qt::MouseButton button, const QPoint &globalPos);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
