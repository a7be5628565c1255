#pragma once

#include "sayings/saying.h"

#include <QVector>

// Sayings from the Analects, Mencius, Laozi and other classics, written out by hand.
QVector<Saying> classicSayings();
