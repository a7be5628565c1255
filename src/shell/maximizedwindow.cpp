#include "maximizedwindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void maximizeWindow(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->setGeometry(screen->availableGeometry());
    window->setWindowState(Qt::WindowMaximized);
}
