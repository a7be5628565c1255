#pragma once

#include <QString>
#include <QUrl>

// What the browser makes of an address a teacher typed or a lesson names. Pages on
// the web and on this computer open; a script written as an address (javascript:)
// or any other kind of address is refused with words saying why, so nothing but a
// page ever runs from the address box.
namespace webaddress {

struct Resolved {
    QUrl url;        // empty when refused
    QString problem; // the teacher's words when refused
};

Resolved resolve(const QString &typed);

// Whether the engine shows an address of this kind itself (a page on the web
// or on this computer) rather than handing it to another program.
bool isPage(const QUrl &url);

} // namespace webaddress
