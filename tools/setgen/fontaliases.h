#pragma once

#include <QByteArray>

// The program's fontconfig file: the system configuration plus strong aliases
// that give the Windows font names of the lessons (宋体, 黑体, …) Simplified
// Chinese Noto faces, instead of the Japanese shapes fontconfig picks by default.
// An alias applies only when the name is the font asked for: the system's own
// fallback lists for sans-serif and serif name SimSun and SimHei too, and a
// strong alias there would put a CJK face ahead of the Latin default.
QByteArray fontAliasesConfig();
