#pragma once

#include <QString>
#include <QtGlobal>

// The video pane's hide item `Videohidden`: its caption tells the state, "隐藏"
// while the player shows and "可视" while it is hidden. Hiding shrinks the
// player to 20 twips and keeps its height (`SavedVideoHeight`) for showing it
// again.
class VideoHideToggle
{
public:
    static constexpr float kHiddenHeight = 20;

    QString caption() const;
    // True while the caption says "隐藏": the next click hides the player.
    bool hides() const { return !m_hidden; }

    // Returns the height the hidden player takes.
    float hide(float currentHeight);
    // Returns the height the player had when it was hidden.
    float show();
    // A newly opened medium shows the player: the caption says "隐藏" again.
    void reset() { m_hidden = false; }

    // Whole twips, halves to even; 32-bit so tall screens fit.
    qint32 SavedVideoHeight() const { return m_savedHeight; }

private:
    bool m_hidden = false;
    qint32 m_savedHeight = 0;
};
