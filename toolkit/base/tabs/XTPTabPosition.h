#pragma once
// Where a tab header lies against its control; left and right run vertically.
enum XTPTabPosition {
    xtpTabPositionTop = 0,
    xtpTabPositionLeft = 1,
    xtpTabPositionBottom = 2,
    xtpTabPositionRight = 3,
};

inline bool IsVerticalTabPosition(int nPosition)
{
    return nPosition == xtpTabPositionLeft || nPosition == xtpTabPositionRight;
}
