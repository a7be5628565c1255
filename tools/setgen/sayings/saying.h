#pragma once

#include <QString>

// A line for the closing screen and where it comes from.
struct Saying {
    QString text;   // e.g. 千里之行，始于足下。
    QString source; // e.g. ——《老子》第六十四章
};
