#pragma once
// A stand-in for UxTheme.dll behind a ThemeEntryTable: answers the entries the
// toolkit calls from the fields below and records what was called, so tests
// can set up a system with or without visual styles.
#include "ThemeEntryTable.h"

#include <map>
#include <set>
#include <string>
#include <vector>

struct FakeUxTheme {
    FakeUxTheme();
    ~FakeUxTheme();

    // A table over this fake; the version is packed (0x60000 is 6.0).
    ThemeEntryTable MakeTable(DWORD comCtlVersion = 0x60000);

    BOOL themeActive = TRUE;
    BOOL appThemed = TRUE;
    std::wstring themeFile;
    std::wstring colorName;
    COLORREF themeColor = 0;
    std::set<std::string> missingEntries;   // not exported
    std::set<std::string> raisingEntries;   // throw when called

    // "open TREEVIEW -> 1", "close 1", "color 1 3801", "draw 1" in call order.
    std::vector<std::string> calls;
    std::map<std::string, int> lookups;     // by entry name
    int lastHandle = 0;

    static FakeUxTheme* current;
};
