#include "documentcontainer.h"

#include <QMouseEvent>

DocumentContainer::DocumentContainer(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
}

void DocumentContainer::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(event->button(), event->globalPosition().toPoint());
}
