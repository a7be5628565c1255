#pragma once

#include <QString>
#include <QStringList>

// Runs one GStreamer command-line pipeline that ends in a file.
namespace gstlaunch {

// gst-launch joins its arguments into one pipeline text, so `pipeline` names
// files only by paths without spaces or non-ASCII letters (a temporary folder
// of its own). Returns false with a reason in `error` when gst-launch-1.0 is
// missing or fails, or when `output` is still empty afterwards.
bool run(const QStringList &pipeline, const QString &output, QString *error);

} // namespace gstlaunch
