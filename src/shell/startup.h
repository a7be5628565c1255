#pragma once

struct AppContext;

// The program's start-up: fills the shared state from the screen and the
// settings file. Returns true on a first start (no settings file yet), after
// creating the file.
bool runStartUp(AppContext &context);

// Takes the lesson screen's size (ScreenWidth, ScreenHeight) and its
// twips scale from the projector screen, at start-up and when the lesson
// moves to another screen.
void fitToProjector(AppContext &context);
