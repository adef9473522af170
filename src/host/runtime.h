#pragma once
// The host runtime: start-up, the exit routine, the main window and the message loop.

// Creates the application, loads the Chinese texts of the platform's dialogs and makes the
// program's directory the current directory.
void StartHostRuntime(int& argc, char** argv);

// Runs once when the program ends normally, before the process exits.
void RegisterExitRoutine(void (*routine)());

// Creates the main window hidden with all its controls, raises its created event, then shows
// and activates it.
void LoadMainWindow();

// Runs the message loop until the main window closes, then the exit routine; returns the exit
// code.
int RunMessageLoop();

// Closes and destroys the main window without ending the program (tests load a fresh one).
void UnloadMainWindow();
