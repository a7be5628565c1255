#pragma once

#include <QString>

// The settings every LibreOffice profile of this program carries: document
// macros never run (security level "very high", macro execution switched off),
// whatever document is converted. LibreOffice keeps them when it rewrites its
// settings file on exit.
namespace officeprofile {

// Writes the settings into the profile at `folder` (made when missing), or adds
// them to its settings file when they are not there; false when it cannot write.
bool secure(const QString &folder);

} // namespace officeprofile
