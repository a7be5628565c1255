#pragma once

struct AppContext;

// The program's start-up: fills the shared state from the screen and the
// settings file. Returns true on a first start (no settings file yet), after
// creating the file.
bool runStartUp(AppContext &context);
