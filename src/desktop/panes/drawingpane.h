#pragma once

#include "pane.h"

struct PaneServices;
class DrawingBoard;

// The drawing pane ("Draw"): the board `Picture1`, shown and hidden by the
// toolbar's paint button. Its location menu `PicDraw` holds only standard
// placement items, which the desktop wires.
class DrawingPane : public Pane
{
    Q_OBJECT
public:
    DrawingPane(const PaneServices &services, QWidget *workArea, QObject *parent = nullptr);

    DrawingBoard *Picture1() const { return m_board; }

    // The toolbar's check button "Paint": pressed shows the board with the
    // pencil pointer, released hides it.
    void paintButton(bool pressed);

private:
    const PaneServices &m_services;
    DrawingBoard *m_board;
};
