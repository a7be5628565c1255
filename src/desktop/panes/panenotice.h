#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>

// A notice over a pane: "正在打开…" with the busy pointer while the document
// it waits for is being prepared, or why a file could not be shown. The rest
// of the desktop stays usable; nothing waits for an answer in class.
class PaneNotice : public QLabel
{
    Q_OBJECT
public:
    explicit PaneNotice(QWidget *parent);

    // Shows the busy notice (`text`, "正在打开…" when empty) centred over
    // `pane` (a widget beside it) and gives the pane the busy pointer.
    void start(QWidget *pane, const QString &text = QString());
    void stop();
    bool running() const { return !m_pane.isNull(); }

    // Shows `text` over `pane` (the work area when null) until the next
    // notice, a click on it, or a few seconds have passed.
    void fail(QWidget *pane, const QString &text);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void showOver(QWidget *pane);

    QPointer<QWidget> m_pane;
    QTimer m_failureShown;
};
