#pragma once
// The program run: single instance, settings, windows, password, message loop.

#include "platform/SingleInstance.h"
#include "store/AppState.h"

// Runs the program inside an existing QApplication and returns its exit code
// (255 when another copy runs already).
int RunProgram(const lohn::YearValues& year, lohn::Services services,
               platform::SingleInstance& instance);
