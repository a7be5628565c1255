#pragma once

#include <memory>
#include <QWidget>

class QTextBrowser;
class QTextDocument;

// The whole lesson document in a window of its own, where the word processor
// would open it: maximized, scrollable, in the Word pane's type size, opened at
// the page on screen. Links in it are not followed: the document stays. Esc or
// its close button closes it.
class WordFullWindow : public QWidget
{
    Q_OBJECT
public:
    explicit WordFullWindow(QWidget *parent = nullptr);

    // Shows `document` with its paragraph `top` (counting from 1) at the top.
    void showDocument(std::unique_ptr<QTextDocument> document, const QString &name, int top);
    QTextBrowser *text() const { return m_text; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void scrollToTop();
    void fitPictures();

    QTextBrowser *m_text;
    int m_top = 1;
    QTextDocument *m_document = nullptr;
};
