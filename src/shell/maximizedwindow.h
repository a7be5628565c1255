#pragma once

class QWidget;

// Maximizes a full-page window (cover page, closing screen). Without a window
// manager (a classroom kiosk on a bare X server) the screen's size does the same.
void maximizeWindow(QWidget *window);
