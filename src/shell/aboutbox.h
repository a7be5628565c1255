#pragma once

#include "base/screenflow.h"

#include <QWidget>

struct AppContext;
class QLabel;
class QTimer;

// The about box (frmSplash): title and version; closes itself after 8 seconds,
// on a typed key or on a left click on its frame.
class AboutBox : public QWidget, public Screen
{
    Q_OBJECT
public:
    explicit AboutBox(AppContext &context, QWidget *parent = nullptr);

    void load() override;
    QTimer *timer() const { return m_timer1; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void close();

    AppContext &m_context;
    QWidget *m_frame1;
    QLabel *m_productName;
    QLabel *m_version;
    QTimer *m_timer1;
};
