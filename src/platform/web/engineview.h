#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QPushButton;
class QStackedLayout;
class QWebEngineView;
class WebEngine;

// A place for one web page: the engine's view, made on first use, a notice
// that takes its place when the page cannot be shown, and a bar over it for
// what the teacher should know while the page stays. When the page's display
// process dies the notice offers to load the page again.
class EngineView : public QWidget
{
    Q_OBJECT
public:
    EngineView(WebEngine &engine, QWidget *parent);

    // The view; the first call starts the engine.
    QWebEngineView *view();
    bool hasView() const { return m_view != nullptr; }

    // `offerReload` adds a button loading the page again: `again` where the
    // page never came, else the one the view holds.
    void showNotice(const QString &text, bool offerReload, const QUrl &again = QUrl());
    void hideNotice();
    bool noticeShown() const;
    QString noticeText() const;

    // The bar goes when closed or when the view shows another address.
    void showBar(const QString &text);
    void hideBar();
    QString barText() const; // empty while hidden

signals:
    void focusIn(Qt::FocusReason reason);
    // A mouse button went down on the page, focus or none.
    void pressed();
    // The display process died; the notice is showing.
    void crashed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void watchFocus(QWidget *widget);
    void placeBar();

    WebEngine &m_engine;
    QStackedLayout *m_stack;
    QWidget *m_blank;
    QWidget *m_notice;
    QLabel *m_noticeText;
    QPushButton *m_reload;
    QUrl m_again;
    QWidget *m_bar;
    QLabel *m_barText;
    QWebEngineView *m_view = nullptr;
};
