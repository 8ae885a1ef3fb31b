#pragma once
// The host's bars, described in one place: each bar's name, direction and
// controls in order. Later command-bar work adds its fixtures here (nested,
// split and default items, a menu that scrolls, a toolbar that overflows).
#include <string>
#include <vector>

struct HostFixtureControl {
    enum Kind { Button, Popup };
    Kind kind = Button;
    int id = 0;
    std::wstring caption;
    bool disabled = false;
    bool checked = false;
    bool beginGroup = false;
};

struct HostFixtureBar {
    std::wstring name;
    bool rightToLeft = false;
    std::vector<HostFixtureControl> controls;
};

const std::vector<HostFixtureBar>& HostFixtureBars();
// The fixture's control of that command id; null when none has it.
const HostFixtureControl* FindHostFixtureControl(int id);
