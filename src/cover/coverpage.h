#pragma once

#include "base/randomsource.h"
#include "base/screenflow.h"
#include "cover/logic/coverlayout.h"

#include <QWidget>

struct AppContext;
class MediaPlayer;
class QAction;
class QLabel;
class QMenu;

// The cover page (Form2): the lesson's titles, teacher and date over a
// full-screen picture, with background music and its pop-up menu. A left click
// on the picture opens the teaching desktop.
class CoverPage : public QWidget, public Screen
{
    Q_OBJECT
public:
    explicit CoverPage(AppContext &context, RandomSource random = {}, QWidget *parent = nullptr);

    void load() override;

    MediaPlayer *player() const { return m_player; }
    QMenu *musicMenu() const { return m_backMusic; }
    // Where the load step and the menu put everything, in twips.
    const cover::Layout &layout() const { return m_layout; }

    void openDesktop();
    void MusicSelect_Click();
    void MusicPlay_Click();
    void MusicPause_Click();
    void MusicStop_Click();
    void MusicVisible_Click(bool checked);
    void MaxWin_Click(bool checked);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *makeLabel(const char *name, double points);
    QAction *addItem(const char *name, const QString &caption);
    void buildMusicMenu();
    bool readLesson();
    void layOut(bool playerShown);
    cover::TwipsSize textSize(const QLabel *label) const;
    void place(QWidget *widget, const TwipsRect &rect) const;
    void popUpMusicMenu(const QPoint &globalPos);

    AppContext &m_context;
    RandomSource m_random;
    cover::Layout m_layout;
    QLabel *m_image1;
    QLabel *m_label1;
    QLabel *m_label2;
    QLabel *m_label3;
    QLabel *m_label5;
    MediaPlayer *m_player;
    QMenu *m_backMusic;
};
