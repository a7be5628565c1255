#pragma once

#include <functional>
#include <QString>

class QWidget;

namespace lessonpack {
class Progress;
}

// A long pack or import step on a thread of its own, so the window keeps
// painting: a progress bar shows how far it has come, and "取消" reaches the
// step through its Progress, which then removes what it wrote.
namespace backgroundstep {

// Runs `step` (which advances `progress`) and returns its result once it has
// finished; events are handled meanwhile.
bool run(QWidget *parent, const QString &title, const QString &label, lessonpack::Progress &progress,
         const std::function<bool()> &step);

} // namespace backgroundstep
