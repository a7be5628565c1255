#include "projectorfield.h"

#include "base/screenroles.h"

#include <QComboBox>

ProjectorField::ProjectorField(ScreenRoles &roles, QComboBox &combo, QObject *parent)
    : QObject(parent), m_roles(roles), m_combo(combo)
{
    fill();
    connect(&m_combo, qOverload<int>(&QComboBox::activated), this, &ProjectorField::chosen);
    connect(&m_roles, &ScreenRoles::screensChanged, this, &ProjectorField::fill);
}

QString ProjectorField::automaticCaption()
{
    return QStringLiteral("主屏幕（自动）");
}

// A remembered screen that is not connected now stays listed, so that opening
// the page does not lose the choice.
void ProjectorField::fill()
{
    const QSignalBlocker quiet(&m_combo);
    m_combo.clear();
    m_combo.addItem(automaticCaption(), QString());
    for (const ScreenInfo &screen : m_roles.screens())
        m_combo.addItem(screenchoice::label(screen), screen.name);
    const QString chosen = m_roles.chosenName();
    if (!chosen.isEmpty() && m_combo.findData(chosen) < 0)
        m_combo.addItem(chosen + QStringLiteral("（未连接）"), chosen);
    m_combo.setCurrentIndex(qMax(0, m_combo.findData(chosen)));
}

void ProjectorField::chosen(int index)
{
    m_roles.choose(m_combo.itemData(index).toString());
}
