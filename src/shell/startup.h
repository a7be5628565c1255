#pragma once

struct AppContext;

// The program's start-up: fills the shared state from the screen and the
// settings file. Returns true on a first start (no settings file yet), after
// creating the file.
bool runStartUp(AppContext &context);

// The design-time caption of the home screen, kept as its base caption.
inline const char *const kHomeBaseCaption = "高中数学Veltano";
inline const char *const kProductTitle = "Veltano";
