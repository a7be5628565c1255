#pragma once

#include "desktop/logic/pagelayout.h"

#include <memory>
#include <QWidget>

class QTextDocument;

// A document container (OLE1, OLE2): the surface a page of the lesson
// document is put into. Empty, it is transparent; holding a page, it is white
// and shows the page's text column as its layout sets it, at the screen's real
// scale from its top-left corner, clipped by the container. Pictures are kept
// within what shows of the column, and a page holding a table too long for
// that is shown smaller, whole. It takes the
// keyboard when clicked and reports mouse releases and typed keys.
class DocumentContainer : public QWidget
{
    Q_OBJECT
public:
    explicit DocumentContainer(const QString &name, PageLayout layout, QWidget *parent = nullptr);
    ~DocumentContainer() override;

    // Takes the page's text; the sizes in it are points.
    void showPage(std::unique_ptr<QTextDocument> page);
    void clearPage();
    const QTextDocument *page() const { return m_page.get(); }
    // How much smaller than its type the page is drawn (1: as it is).
    double scale() const;
    // A framed container draws an edge around its page, inside which the page
    // is shown: a pane placed over another white page stays apart from it.
    void setFramed(bool framed);
    static constexpr int kEdgeWidth = 3;

signals:
    void released(Qt::MouseButton button, const QPoint &globalPos);
    void typed(const QString &text);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The part of the text column the container shows, in pixels.
    QSizeF visibleRoom() const;
    double pixelsX(double twips) const;
    double pixelsY(double twips) const;

    PageLayout m_layout;
    bool m_framed = false;
    bool m_holdsTable = false;
    std::unique_ptr<QTextDocument> m_page;
};
