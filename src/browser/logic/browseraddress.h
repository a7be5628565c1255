#pragma once

#include <QString>

class LessonBook;

// An address given to the browser (the lesson's web address, or one typed into
// the address box) as the web engine is to open it. An address with a scheme
// ("http:", "file:", "about:") stays as written; a scheme with nothing after
// it ("http://", which the editor writes for no address) is no address. A file name that is found
// here becomes that file's address: a name relative to the program folder
// (备课本\示例\首页.html), so that a lesson's own page goes wherever the
// program folder is copied, or a full path, also one written on Windows
// (D:\Veltano\备课本\首页.html). Anything else (www.example.cn) stays for the
// engine to complete.
QString browserAddress(const QString &address, const LessonBook &book);
