#pragma once

#include <QString>

class QWebEngineLoadingInfo;

// The teacher's words for a page that could not be loaded, in place of the
// engine's own (English) error page.
namespace loadfailure {

// Empty where there is nothing to say: the load was stopped or refused on
// purpose, or a web server answered with a page of its own.
QString describe(const QWebEngineLoadingInfo &info);

} // namespace loadfailure
