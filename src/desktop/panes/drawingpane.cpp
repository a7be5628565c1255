#include "drawingpane.h"

#include "base/appcontext.h"
#include "drawingboard.h"

DrawingPane::DrawingPane(AppContext &context, QWidget *workArea, QObject *parent)
    : Pane(PaneKind::Drawing, new DrawingBoard(context.scale, workArea), context.scale, parent),
      m_context(context), m_board(static_cast<DrawingBoard *>(control()))
{}

void DrawingPane::paintButton(bool pressed)
{
    if (!pressed) {
        setVisible(false);
        return;
    }
    setVisible(true);
    m_board->usePointerIcon(m_context.book.setFolder(QStringLiteral("image/pencil11.ico")));
}
