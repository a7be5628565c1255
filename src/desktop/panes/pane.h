#pragma once

#include "desktop/logic/panekind.h"
#include "geometry/placement.h"
#include "geometry/twips.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// One pane of the desktop: its control widget, its kind and its geometry in
// twips. The geometry lives here and is only turned into pixels when applied,
// so the placement formulas never read pixel values back.
class Pane : public QObject
{
    Q_OBJECT
public:
    Pane(PaneKind kind, QWidget *control, const TwipsScale &scale, QObject *parent = nullptr);

    PaneKind kind() const { return m_kind; }
    QWidget *control() const { return m_control; }

    const TwipsRect &geometry() const { return m_geometry; }
    void setGeometry(const TwipsRect &rect);
    void setWidth(float width);
    void setHeight(float height);

    bool isVisible() const { return m_visible; }

    // The lesson moved to a screen whose work area is `to`: the pane keeps its
    // share of the area and is laid out with the new screen's twips scale.
    void refit(const FullArea &from, const FullArea &to) { setGeometry(refitted(m_geometry, from, to)); }
    void setVisible(bool visible);

    // A placement item of the pane's family: a hidden pane is never moved.
    void place(Position position, const FullArea &area);

    // Makes the control report focus the user gives it (and clicks that
    // would give it) as a recording of this pane's kind.
    void recordOnFocus(QWidget *watched);
    // The pane's control took the focus for `reason`; records the pane when
    // that was the teacher's doing.
    void focusTaken(Qt::FocusReason reason);

    // Ink stands the work area still: what the pane plays (a video, a sound,
    // a movie) pauses while `held` and goes on from there afterwards.
    virtual void hold(bool held) { Q_UNUSED(held); }

signals:
    // The pane took the focus: the desktop makes its kind the current pane kind.
    void recorded(PaneKind kind);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Where a position puts the pane; the standard geometry unless a family
    // has its own.
    virtual TwipsRect placed(const TwipsRect &current, Position position, const FullArea &area) const;

private:
    void apply();

    PaneKind m_kind;
    QPointer<QWidget> m_control;
    // The lesson screen's scale, which changes when the lesson moves screens.
    const TwipsScale &m_scale;
    TwipsRect m_geometry;
    bool m_visible = false;
    bool m_clickRecorded = false;
};
