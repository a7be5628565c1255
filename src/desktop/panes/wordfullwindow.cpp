#include "wordfullwindow.h"

#include "platform/office/worddocument.h"
#include "platform/songfont.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

WordFullWindow::WordFullWindow(QWidget *parent) : QWidget(parent, Qt::Window), m_text(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("WordFullWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_text->setObjectName(QStringLiteral("WordFullText"));
    // Following a link would replace the lesson by a page it cannot load.
    m_text->setOpenLinks(false);
    // A kiosk screen has no title bar to close the window from.
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("WordFullClose"));
    close->setFont(songFont(12));
    close->setFocusPolicy(Qt::NoFocus);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(close, 0, Qt::AlignRight);
    layout->addWidget(m_text);
}

void WordFullWindow::showDocument(std::unique_ptr<QTextDocument> document, const QString &name, int top)
{
    m_top = top;
    // The window owns the document it shows; the browser only shows it, so
    // the one shown before goes once the new one is in.
    QTextDocument *previous = m_document;
    m_document = document.release();
    m_document->setParent(this);
    m_text->setDocument(m_document);
    delete previous;
    setWindowTitle(name);
    show();
    raise();
    activateWindow();
    m_text->setFocus(Qt::OtherFocusReason);
    fitPictures();
    scrollToTop();
}

void WordFullWindow::fitPictures()
{
    // Within the window, so no picture needs scrolling sideways.
    const double margin = 2 * m_document->documentMargin();
    WordDocument::fitPictures(
        *m_document, QSizeF(m_text->viewport()->width() - margin, m_text->viewport()->height() - margin));
}

void WordFullWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Maximizing lays the text out anew: the page stays at the top.
    if (m_document)
        fitPictures();
    scrollToTop();
}

void WordFullWindow::scrollToTop()
{
    if (!m_document)
        return;
    const QTextBlock block = m_document->findBlockByNumber(m_top - 1);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    m_text->setTextCursor(cursor);
    m_text->verticalScrollBar()->setValue(
        qRound(m_document->documentLayout()->blockBoundingRect(block).top()));
}

void WordFullWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
