#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Reports clicks of the left button on the watched widgets: a left press and
// its release over the same widget. Other buttons, and a press released
// outside the widget, are no click.
class LeftClick : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    void watch(QWidget *widget);

signals:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QObject> m_pressed;
};
