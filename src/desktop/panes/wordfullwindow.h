#pragma once

#include <memory>
#include <QWidget>

class QTextBrowser;
class QTextDocument;

// The whole lesson document in a window of its own, where the word processor
// would open it: maximized, scrollable, in the Word pane's type size. Esc or
// its close button closes it.
class WordFullWindow : public QWidget
{
    Q_OBJECT
public:
    explicit WordFullWindow(QWidget *parent = nullptr);

    void showDocument(std::unique_ptr<QTextDocument> document, const QString &name);
    QTextBrowser *text() const { return m_text; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTextBrowser *m_text;
    QTextDocument *m_document = nullptr;
};
