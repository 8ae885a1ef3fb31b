#include "HostFixture.h"

const std::vector<HostFixtureBar>& HostFixtureBars()
{
    using C = HostFixtureControl;
    static const std::vector<HostFixtureBar> bars = {
        // Two '&F' entries (a button and a popup), a plain 'F' caption that '&F'
        // entries shadow, a disabled and a checked button.
        {L"Standard", false,
         {{C::Button, 101, L"&New"},
          {C::Button, 102, L"&Open"},
          {C::Button, 103, L"&Find"},
          {C::Button, 104, L"Save", true},
          {C::Button, 105, L"&Bold", false, true, true},
          {C::Popup, 106, L"&Format"},
          {C::Button, 107, L"Fill"}}},
        // No '&F' here: the plain 'F' caption answers F.
        {L"Align", false,
         {{C::Button, 201, L"&Left"},
          {C::Button, 202, L"&Right"},
          {C::Button, 203, L"Fit"},
          {C::Button, 204, L"&Justify"}}},
        // Laid out right to left: arrows swap.
        {L"Mirrored", true,
         {{C::Button, 301, L"&One"},
          {C::Button, 302, L"&Two"},
          {C::Button, 303, L"T&hree"}}},
    };
    return bars;
}

const HostFixtureControl* FindHostFixtureControl(int id)
{
    for (const HostFixtureBar& bar : HostFixtureBars())
        for (const HostFixtureControl& control : bar.controls)
            if (control.id == id)
                return &control;
    return nullptr;
}
