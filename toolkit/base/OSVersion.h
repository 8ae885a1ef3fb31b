#pragma once
// Which Windows version runs, from one process-wide version record.
#include "Framework.h"

// The record, filled by GetVersionExW at start-up; tests may overwrite it.
OSVERSIONINFOW& OSVersionRecord();

BOOL RunsOnWindows95();
BOOL RunsOnWindows98();
BOOL RunsOnWindowsNT4();
BOOL RunsOnWindows2000();
BOOL RunsOnWindowsXP();
BOOL RunsOnWindows2000OrLater();
BOOL RunsOnVersion(DWORD dwMajor, DWORD dwMinor);
