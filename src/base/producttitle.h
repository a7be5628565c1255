#pragma once

#include <QString>

inline const char *const kProductTitle = "Veltano";

// How the program names itself in captions and questions: the stage and
// subject of the settings before the product name, e.g. "高中物理Veltano".
inline QString subjectTitle(const QString &stageSubject)
{
    return stageSubject + QLatin1String(kProductTitle);
}
