#pragma once

#include <QString>

// The program's own settings, kept in a file of its own beside the settings
// file Dravik.dll, whose fixed record layout has no room for them.
class ProgramSettings
{
public:
    // `folder` is the folder that holds Dravik.dll.
    explicit ProgramSettings(const QString &folder);

    const QString &path() const { return m_path; }

    // The name of the screen the lesson is shown on; empty: the primary screen.
    QString projectorScreen() const;
    bool setProjectorScreen(const QString &name) const;

private:
    QString m_path;
};
