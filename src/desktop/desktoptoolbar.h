#pragma once

#include "geometry/twips.h"

#include <QList>
#include <QWidget>

class QAction;
class QToolButton;
class QVBoxLayout;

// Toolbar1: one column of buttons in the strip at the right edge. Each button
// carries its key (as objectName and data); blank buttons have none and only
// reserve the room that Text1 covers. A button whose key has a picture in the
// picture folder (<key>.png, with <key>@2x.png for doubled screens) shows it
// above its caption; without one it shows the caption alone.
class DesktopToolbar : public QWidget
{
    Q_OBJECT
public:
    DesktopToolbar(const TwipsScale &scale, int widthPixels, QString pictureFolder,
                   QWidget *parent = nullptr);

    // The button with this key (case-sensitive). A key no button has is
    // reported as a slip in the code (reportUnknownName) and gives nullptr.
    QAction *button(const QString &key) const;
    // All buttons in toolbar order, blanks included.
    QList<QAction *> buttons() const;

    // Real sizes in twips: the design's buttons together, and one button.
    float designHeightTwips() const;
    float buttonHeightTwips() const;

    // The design's buttons with `change` blank buttons more (or, negative,
    // fewer) at position 10. Counted from the design each time, so fitting
    // again on another screen never adds up.
    void fitBlanks(int change);

signals:
    // A button was clicked; blanks report an empty key.
    void ButtonClick(const QString &key);

private:
    QAction *addButton(int index, const QString &caption, const QString &key, const QString &toolTip);
    void fitHeight();

    TwipsScale m_scale;
    int m_width;
    QString m_pictureFolder;
    QVBoxLayout *m_layout;
    QList<QAction *> m_buttons;
    int m_designCount = 0;
};
