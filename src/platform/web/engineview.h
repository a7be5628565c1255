#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QStackedLayout;
class QWebEngineView;
class WebEngine;

// A place for one web page: the engine's view, made on first use, and a notice
// that takes its place when the page cannot be shown. When the page's display
// process dies the notice offers to load the page again.
class EngineView : public QWidget
{
    Q_OBJECT
public:
    EngineView(WebEngine &engine, QWidget *parent);

    // The view; the first call starts the engine.
    QWebEngineView *view();
    bool hasView() const { return m_view != nullptr; }

    void showNotice(const QString &text, bool offerReload);
    void hideNotice();
    bool noticeShown() const;
    QString noticeText() const;

signals:
    void focusIn(Qt::FocusReason reason);
    // A mouse button went down on the page, focus or none.
    void pressed();
    // The display process died; the notice is showing.
    void crashed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchFocus(QWidget *widget);

    WebEngine &m_engine;
    QStackedLayout *m_stack;
    QWidget *m_blank;
    QWidget *m_notice;
    QLabel *m_noticeText;
    QPushButton *m_reload;
    QWebEngineView *m_view = nullptr;
};
