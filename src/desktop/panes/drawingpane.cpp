#include "drawingpane.h"

#include "drawingboard.h"
#include "lesson/lessonbook.h"
#include "paneservices.h"

DrawingPane::DrawingPane(const PaneServices &services, QWidget *workArea, QObject *parent)
    : Pane(PaneKind::Drawing, new DrawingBoard(services.scale, workArea), services.scale, parent),
      m_services(services), m_board(static_cast<DrawingBoard *>(control()))
{}

void DrawingPane::paintButton(bool pressed)
{
    if (!pressed) {
        setVisible(false);
        return;
    }
    setVisible(true);
    m_board->usePointerIcon(m_services.book.setFolder(QStringLiteral("image/pencil11.ico")));
}
