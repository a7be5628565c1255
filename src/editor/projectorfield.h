#pragma once

#include <QObject>

class QComboBox;
class ScreenRoles;

// The system page's "放映屏幕": lists the connected screens, shows the chosen
// one and remembers a new choice at once.
class ProjectorField : public QObject
{
    Q_OBJECT
public:
    ProjectorField(ScreenRoles &roles, QComboBox &combo, QObject *parent = nullptr);

    static QString automaticCaption();

private:
    void fill();
    void chosen(int index);

    ScreenRoles &m_roles;
    QComboBox &m_combo;
};
