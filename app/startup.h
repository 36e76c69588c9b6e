#pragma once
#include "port/toolkit.h"

// The program's start-up sequence, called by every backend's entry point
// (WinMain on Windows). Loads the data and settings, makes the main window
// with its controls and the start page. False when the window class cannot
// be registered (nothing else is done then).
bool StartFaunary(tk::Instance instance, int show_command);
// StartFaunary, then the message loop; the exit code (0).
int FaunaryMain(tk::Instance instance, int show_command);

// The start-up's first steps: the reference tables, the Pokemon index and the
// move table, in that order (each loader looks keys up in the tables loaded
// before it). Touches only the data layer, so it may run on another thread
// while nothing else does.
void LoadProgramData();
// StartFaunary and FaunaryMain after LoadProgramData has run (the native
// program loads the data while its toolkit starts).
bool StartFaunaryWithData(tk::Instance instance, int show_command);
int FaunaryMainWithData(tk::Instance instance, int show_command);

// Every program-wide state (data, settings, shell handles, pages, the report
// hook, the update server, the move details) back to that of a process that
// has just started; the backend's own state is the backend's. For tests and
// benchmarks, the only reset they use.
void ResetProgramState();

// Connects the data layer's reports to the port's message box, owned by the
// main window (no owner before it exists).
void ConnectReportsToMessageBoxes();
