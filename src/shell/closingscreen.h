#pragma once

#include "base/randomsource.h"
#include "base/screenflow.h"

#include <QWidget>

struct AppContext;
class QLabel;

// The closing screen (Form4): a saying over a picture; a left click on either
// ends the program.
class ClosingScreen : public QWidget, public Screen
{
    Q_OBJECT
public:
    explicit ClosingScreen(AppContext &context, RandomSource random = {}, QWidget *parent = nullptr);

    void load() override;

    QLabel *saying() const { return m_label1; }
    QLabel *picture() const { return m_image1; }
    // Width of the saying label in twips, as the load step set it.
    double sayingWidthTwips() const { return m_sayingWidth; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Places the labels and the picture in twips of the lesson's screen.
    void layOut();
    QString readSaying(int line) const;

    AppContext &m_context;
    RandomSource m_random;
    QLabel *m_label1;
    QLabel *m_label2;
    QWidget *m_frame1;
    QLabel *m_image1;
    double m_sayingWidth;
};
