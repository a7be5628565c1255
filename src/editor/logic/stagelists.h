#pragma once

#include <QStringList>

// The school stages of the system page and the subjects offered for each.
namespace stagelists {

QStringList stages();

// The subjects of stage 0 ("高中"), 1 ("初中") or 2 ("小学"); empty for any other index.
QStringList subjectsOf(int stageIndex);

} // namespace stagelists
