#pragma once

struct AppContext;

// Tells the screen flow how to create every window of the program.
void registerScreens(AppContext &context);
