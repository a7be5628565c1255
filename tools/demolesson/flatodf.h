#pragma once

#include "demotexts.h"

#include <QByteArray>
#include <QStringList>
#include <QVector>

// Office documents as single-file OpenDocument XML, which LibreOffice opens
// and saves in the Microsoft formats a lesson names.
namespace flatodf {

// A text document of one paragraph per entry, in 宋体 at 14 points.
QByteArray textDocument(const QStringList &paragraphs);
// A landscape presentation of one slide per entry: a coloured ground, the
// title large and the lines below it, white.
QByteArray presentation(const QVector<demotexts::Slide> &slides);

} // namespace flatodf
