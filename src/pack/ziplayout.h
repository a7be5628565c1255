#pragma once

#include <QtGlobal>

class QIODevice;

// Where each member's data lies in a zip, read from its central directory and
// local headers: libzip inflates whatever a central-directory entry points at,
// so a pack can name one piece of data many times over and pass every
// per-member size test while writing it again and again.
namespace ziplayout {

struct Verdict {
    bool sound = false;
    // The central-directory entry at fault (libzip's index); -1 when the
    // directory itself cannot be read.
    qint64 entry = -1;
};

// Sound when every member's local header and data begin at or after the end
// of the previous member's data, in directory order, and end before the
// central directory.
Verdict check(QIODevice &zip);

} // namespace ziplayout
