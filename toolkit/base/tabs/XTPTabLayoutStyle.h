#pragma once
// How the tabs of a header are laid out.
enum XTPTabLayoutStyle {
    xtpTabLayoutAutoSize = 0,    // one row that scrolls, with navigate buttons
    xtpTabLayoutSizeToFit = 1,   // one row, the tabs shrunk to fit
    xtpTabLayoutFixed = 2,       // every tab the appearance's fixed length
    xtpTabLayoutCompressed = 3,  // only the selected tab shows its text
    xtpTabLayoutMultiRow = 4,    // as many rows as the tabs need
    xtpTabLayoutRotated = 5,     // text across the header, each tab one row height long
};
