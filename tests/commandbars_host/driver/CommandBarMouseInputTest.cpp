// The host's bars under the mouse of the X server: the hot control follows the
// pointer, leaving a bar clears it, a click outside tracking bars ends their
// tracking and still reaches the window below, and a press on a button
// executes only when released on it.
#include "HostFixtureTest.h"

namespace {

using json = nlohmann::json;

class CommandBarMouseInputTest : public HostFixtureTest {};

TEST_F(CommandBarMouseInputTest, HostStartsInFrontAt96DpiWithItsFixture)
{
    json state;
    // The idle update gives the fixture's command states: Save disabled, Bold checked.
    ASSERT_TRUE(s_barHost->WaitFor(
        [](const json& s) {
            const json& controls = Bar(s, "Standard")["controls"];
            return !controls[3]["enabled"].get<bool>() && controls[4]["checked"] == 1;
        },
        5000, &state))
        << state.dump(1);
    EXPECT_EQ(96, state["dpi"]);
    EXPECT_TRUE(state["foreground"].get<bool>());
    ASSERT_EQ(3u, state["bars"].size());
    EXPECT_TRUE(Bar(state, "Mirrored")["rtl"].get<bool>());
    for (const json& bar : state["bars"]) {
        for (const json& control : bar["controls"]) {
            const json& rect = control["rect"];
            EXPECT_LT(rect[0].get<int>(), rect[2].get<int>()) << control.dump();
            EXPECT_LT(rect[1].get<int>(), rect[3].get<int>()) << bar["name"] << " " << control["caption"];
        }
    }
}

TEST_F(CommandBarMouseInputTest, HotControlFollowsTheMouse)
{
    const json state = s_barHost->State();
    for (const int index : {0, 1, 2, 1}) {
        s_input->MoveTo(ControlCentre(state, "Standard", index));
        json last;
        ASSERT_TRUE(WaitForBar("Standard", "selected", index, &last)) << index << last.dump(1);
        EXPECT_EQ(1, Bar(last, "Standard")["controls"][static_cast<std::size_t>(index)]["selected"]);
        EXPECT_FALSE(Bar(last, "Standard")["keyboardSelected"].get<bool>());
    }
}

// Onto the frame's empty client area and off the frame onto the desktop the
// bar learns it through the mouse tracker's 50 ms timer; onto another bar the
// first one hears of it before the second takes the hot control.
TEST_F(CommandBarMouseInputTest, LeavingABarClearsItsHotControl)
{
    const json state = s_barHost->State();
    const POINT outsideFrame{state["frame"][2].get<int>() + 60, state["frame"][3].get<int>() + 60};
    for (const POINT target : {EmptyClientPoint(state), outsideFrame}) {
        s_input->MoveTo(ControlCentre(state, "Standard", 1));
        ASSERT_TRUE(WaitForBar("Standard", "selected", 1));
        s_input->MoveTo(target);
        json last;
        EXPECT_TRUE(WaitForBar("Standard", "selected", -1, &last)) << last.dump(1);
    }

    s_input->MoveTo(ControlCentre(state, "Standard", 1));
    ASSERT_TRUE(WaitForBar("Standard", "selected", 1));
    s_barHost->Request("clear-log");
    s_input->MoveTo(ControlCentre(state, "Align", 0));
    json last;
    ASSERT_TRUE(WaitForBar("Align", "selected", 0, &last)) << last.dump(1);
    EXPECT_EQ(-1, Bar(last, "Standard")["selected"]);
    int left = -1, entered = -1, position = 0;
    for (const json& entry : last["log"]) {
        if (entry["event"] == "selected" && entry["bar"] == "Standard" && entry["state"] == 0 && left < 0)
            left = position;
        if (entry["event"] == "selected" && entry["bar"] == "Align" && entry["state"] == 1 && entered < 0)
            entered = position;
        ++position;
    }
    EXPECT_GE(left, 0) << last["log"].dump(1);
    EXPECT_LT(left, entered) << "the first bar must lose its hot control before the next one takes it\n"
                             << last["log"].dump(1);
}

TEST_F(CommandBarMouseInputTest, ClickOutsideEndsTrackingAndReachesTheWindowBelow)
{
    Track("Standard");
    const json state = s_barHost->State();
    s_input->Click(EmptyClientPoint(state));
    json last;
    EXPECT_TRUE(WaitForBar("Standard", "tracking", 0, &last)) << last.dump(1);
    EXPECT_TRUE(WaitForLog({{"event", "WM_LBUTTONDOWN"}}, &last)) << last["log"].dump(1);
    EXPECT_TRUE(last["trackedBars"].empty());
    EXPECT_EQ(0, last["keyboardClients"]);
}

// The bar's hover timer (300 ms) reaches the control the mouse rests on; a
// control the mouse leaves for another one sooner gets no hover.
TEST_F(CommandBarMouseInputTest, HoverReachesTheControlTheMouseRestsOn)
{
    const json state = s_barHost->State();
    s_input->MoveTo(ControlCentre(state, "Align", 1));
    s_input->MoveTo(ControlCentre(state, "Align", 2));
    json last;
    ASSERT_TRUE(WaitForLog({{"event", "hover"}, {"caption", "Fit"}}, &last)) << last["log"].dump(1);

    std::uint64_t onRight = 0, onFit = 0, hoverFit = 0;
    for (const json& entry : last["log"]) {
        const std::uint64_t tick = entry["tick"];
        if (entry["event"] == "selected" && entry["state"] == 1)
            (entry["index"] == 1 ? onRight : onFit) = tick;
        if (entry["event"] == "hover")
            hoverFit = tick;
    }
    // Timers may run a tick early against the clock of the log.
    EXPECT_GE(hoverFit - onFit, 250u) << last["log"].dump(1);
    if (onFit - onRight < 300) {
        EXPECT_EQ(0, CountLog(last, {{"event", "hover"}, {"caption", "&Right"}})) << last["log"].dump(1);
    }
}

TEST_F(CommandBarMouseInputTest, RightClickOnAControlTellsTheSite)
{
    const json state = s_barHost->State();
    s_input->Click(ControlCentre(state, "Align", 1), true);
    json last;
    EXPECT_TRUE(WaitForLog({{"event", "WM_CMDBARS_CONTROLRCLICK"}, {"caption", "&Right"}}, &last))
        << last["log"].dump(1);
    EXPECT_EQ(0, CountLog(last, {{"event", "WM_COMMAND"}}));
}

// A press on a button runs the press loop: released on the button it executes,
// also after leaving and coming back; released elsewhere, or on a disabled
// button, it does not.
TEST_F(CommandBarMouseInputTest, PressedButtonExecutesOnlyWhenReleasedOnIt)
{
    struct Case {
        const char* name;
        int index;
        bool comeBack;
        bool executes;
    };
    const Case cases[] = {
        {"straight click", 0, true, true},
        {"leaves and comes back", 1, true, true},
        {"released outside", 1, false, false},
        {"disabled", 3, true, false},
    };
    json state;
    ASSERT_TRUE(s_barHost->WaitFor([](const json& s) { return !Bar(s, "Standard")["controls"][3]["enabled"]; }, 5000,
                                &state));
    const POINT away = EmptyClientPoint(state);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        s_barHost->Request("clear-log");
        const POINT centre = ControlCentre(state, "Standard", c.index);
        const int id = Bar(state, "Standard")["controls"][static_cast<std::size_t>(c.index)]["id"];
        s_input->ButtonDown(centre);
        if (c.index != 3) {
            json last;
            ASSERT_TRUE(s_barHost->WaitFor(
                [&](const json& s) { return Bar(s, "Standard")["controls"][static_cast<std::size_t>(c.index)]["pressed"] == 1; },
                5000, &last))
                << last.dump(1);
        }
        if (std::string(c.name) != "straight click")
            s_input->MoveTo(away);
        s_input->ButtonUp(c.comeBack ? centre : away);
        json last;
        // The release ends the press loop: the button is no longer pressed.
        ASSERT_TRUE(s_barHost->WaitFor(
            [&](const json& s) { return Bar(s, "Standard")["controls"][static_cast<std::size_t>(c.index)]["pressed"] == 0; },
            5000, &last));
        if (c.executes) {
            EXPECT_TRUE(WaitForLog({{"event", "WM_COMMAND"}, {"id", id}}, &last)) << last["log"].dump(1);
        } else {
            EXPECT_EQ(0, CountLog(s_barHost->State(), {{"event", "WM_COMMAND"}})) << last["log"].dump(1);
        }
        s_input->MoveTo(away);
    }
}

// The press loop is a modal loop of the host's thread: a quit posted while it
// runs must end the loop and then the host, not be eaten by the loop.
TEST_F(CommandBarMouseInputTest, QuitPostedDuringAPressEndsTheHost)
{
    const json state = s_barHost->State();
    const POINT centre = ControlCentre(state, "Standard", 1);
    s_input->ButtonDown(centre);
    json last;
    ASSERT_TRUE(s_barHost->WaitFor([](const json& s) { return Bar(s, "Standard")["controls"][1]["pressed"] == 1; }, 5000,
                                &last))
        << last.dump(1);
    s_barHost->Request("post-quit");
    EXPECT_TRUE(s_barHost->WaitForExit(10000));
    s_input->ButtonUp(centre);
}

} // namespace
