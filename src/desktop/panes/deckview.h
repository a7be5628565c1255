#pragma once

#include <QHash>
#include <QImage>
#include <QPdfDocument>
#include <QSet>
#include <QWidget>

// The browser control in which decks are shown (WebBrowser1): a slide show
// laid over it (setShow), or the deck's pages one slide at a time on white
// paper, fitted to the pane and centred on black. A click, the wheel,
// PageDown/PageUp, the arrows and space step through the slides (the right
// button and the backward keys step back). The slide after the one shown is
// rendered ahead, so a step never waits for rendering.
class DeckView : public QWidget
{
    Q_OBJECT
public:
    explicit DeckView(QWidget *parent = nullptr);

    // Shows slide 1 of a PDF; false and `problem` set when it cannot be read.
    bool showDeck(const QString &pdfFile, QString *problem);
    // The empty address: nothing is shown.
    void clear();
    // `show` covers the control while it is set and shown; null uncovers it.
    void setShow(QWidget *show);
    QWidget *show() const { return m_show; }

    int slide() const { return m_slide; }
    int slideCount() const;
    void next();
    void previous();
    // Rendered slides kept for the current size (the shown one and the next).
    bool isRendered(int slide) const { return m_rendered.contains(slide); }

signals:
    // A deck's first slide is in the pane.
    void deckShown();
    // The slide shown (from 0) cannot be rendered: the pane stays black there.
    // Told once per slide and deck.
    void slideUnreadable(int slide);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void go(int slide);
    const QImage &rendered(int slide);
    void renderAhead();
    QSize fittedSize(int slide) const;

    QPdfDocument m_pdf;
    int m_slide = 0;
    bool m_loaded = false;
    QHash<int, QImage> m_rendered;
    QSet<int> m_unreadable;
    QWidget *m_show = nullptr;
};
