#pragma once

#include <QLabel>
#include <QPointer>

// The short "正在打开…" notice and busy pointer over a pane while the
// document it waits for is being prepared. The rest of the desktop stays usable.
class BusyNotice : public QLabel
{
    Q_OBJECT
public:
    explicit BusyNotice(QWidget *parent);

    // Shows the notice centred over `pane` (a widget beside it) and gives
    // the pane the busy pointer.
    void start(QWidget *pane);
    void stop();
    bool running() const { return !m_pane.isNull(); }

private:
    QPointer<QWidget> m_pane;
};
