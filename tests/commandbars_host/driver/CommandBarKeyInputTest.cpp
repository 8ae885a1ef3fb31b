// The host's bars in keyboard tracking under real keys, which reach them only
// through the keyboard tracker's thread hook: Alt alone ends tracking and is
// swallowed, another program taking the foreground ends it, arrows move the
// selection as the bar's direction says, and mnemonics select, step through
// shared letters, execute a single match or beep.
#include "HostFixtureTest.h"

namespace {

using json = nlohmann::json;

class CommandBarKeyInputTest : public HostFixtureTest {};

TEST_F(CommandBarKeyInputTest, AltAloneEndsTrackingAndIsSwallowed)
{
    // Without tracking, Alt reaches the frame and asks for the key menu.
    s_input->Press(VK_MENU);
    json last;
    ASSERT_TRUE(WaitForLog({{"event", "WM_SYSCOMMAND"}}, &last)) << last["log"].dump(1);

    Track("Standard");
    s_input->Press(VK_MENU);
    EXPECT_TRUE(WaitForBar("Standard", "tracking", 0, &last)) << last.dump(1);
    // The key that ended tracking goes no further. A key pressed afterwards
    // marks the end of Alt's road through the host.
    s_input->Press('K');
    ASSERT_TRUE(WaitForLog({{"event", "WM_KEYDOWN"}, {"key", 'K'}}, &last)) << last["log"].dump(1);
    EXPECT_EQ(0, CountLog(last, {{"event", "WM_SYSKEYDOWN"}, {"key", VK_MENU}})) << last["log"].dump(1);
    EXPECT_EQ(0, CountLog(last, {{"event", "WM_SYSCOMMAND"}})) << last["log"].dump(1);
}

// Held down, Alt ends tracking with its first press; its repeats go on to the
// window with the focus.
TEST_F(CommandBarKeyInputTest, HeldAltEndsTrackingOnceAndItsRepeatsGoOn)
{
    Track("Align");
    s_input->Press(VK_MENU, 2);
    json last;
    EXPECT_TRUE(WaitForBar("Align", "tracking", 0, &last)) << last.dump(1);
    EXPECT_TRUE(s_barHost->WaitFor(
        [](const json& s) { return CountLog(s, {{"event", "WM_SYSKEYDOWN"}, {"key", VK_MENU}}) == 2; }, 5000, &last))
        << last["log"].dump(1);
}

TEST_F(CommandBarKeyInputTest, ActivatingAnotherProgramEndsTracking)
{
    Track("Align");
    s_input->Click(OtherProgramPoint());
    json last;
    EXPECT_TRUE(WaitForBar("Align", "tracking", 0, &last)) << last.dump(1);
    EXPECT_TRUE(WaitForLog({{"event", "WM_ACTIVATEAPP"}, {"active", false}}, &last)) << last["log"].dump(1);
    EXPECT_TRUE(last["trackedBars"].empty());
}

// Right moves to the next control and Left to the previous one, swapped on a
// bar laid out right to left.
TEST_F(CommandBarKeyInputTest, ArrowsFollowTheBarsDirection)
{
    struct Case {
        const char* bar;
        std::vector<WORD> keys;
        int selected;
    };
    const Case cases[] = {
        {"Standard", {VK_RIGHT}, 1},
        {"Standard", {VK_RIGHT, VK_RIGHT, VK_LEFT}, 1},
        {"Mirrored", {VK_LEFT}, 1},
        {"Mirrored", {VK_LEFT, VK_LEFT, VK_RIGHT}, 1},
        {"Mirrored", {VK_END, VK_RIGHT}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.bar) + " after " + std::to_string(c.keys.size()) + " keys");
        s_barHost->Request("reset");
        Track(c.bar);
        for (const WORD key : c.keys)
            s_input->Press(key);
        // Each key is one selection change: wait for the last one.
        json last;
        EXPECT_TRUE(s_barHost->WaitFor([&](const json& s) { return CountLog(s, {{"event", "selected"}, {"state", 2}}) >= static_cast<int>(c.keys.size()); }, 5000, &last))
            << last["log"].dump(1);
        EXPECT_EQ(c.selected, Bar(last, c.bar)["selected"]) << last["log"].dump(1);
        EXPECT_TRUE(Bar(last, c.bar)["keyboardSelected"].get<bool>());
    }
}

// Standard has "&Find" and "&Format" (and "Fill", whose F '&' entries shadow);
// Align has only "Fit" for F, and "&Left" alone for L.
TEST_F(CommandBarKeyInputTest, MnemonicsSelectStepAndExecute)
{
    struct Case {
        const char* name;
        const char* bar;
        std::vector<WORD> keys;
        int selected;
        int executed;  // command id, 0 for none
    };
    const Case cases[] = {
        {"shared letter selects the first after the selection", "Standard", {'F'}, 2, 0},
        {"shared letter again selects the other", "Standard", {'F', 'F'}, 5, 0},
        {"and comes round again", "Standard", {'F', 'F', 'F'}, 2, 0},
        {"first letter without '&' executes when alone", "Align", {'F'}, 2, 203},
        {"single '&' letter executes", "Align", {'L'}, 0, 201},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        s_barHost->Request("reset");
        Track(c.bar);
        for (const WORD key : c.keys)
            s_input->Press(key);
        // The frame sees no key of a tracking bar; a key after tracking ended does.
        json last;
        if (c.executed) {
            EXPECT_TRUE(WaitForLog({{"event", "WM_COMMAND"}, {"id", c.executed}}, &last)) << last["log"].dump(1);
        } else {
            EXPECT_TRUE(s_barHost->WaitFor(
                [&](const json& s) {
                    return CountLog(s, {{"event", "selected"}, {"state", 2}}) >= static_cast<int>(c.keys.size());
                },
                5000, &last))
                << last["log"].dump(1);
            EXPECT_EQ(c.selected, Bar(last, c.bar)["selected"]) << last["log"].dump(1);
            EXPECT_EQ(0, CountLog(last, {{"event", "WM_COMMAND"}})) << last["log"].dump(1);
        }
        EXPECT_EQ(0, CountLog(last, {{"event", "WM_KEYDOWN"}})) << last["log"].dump(1);
        EXPECT_EQ(0, CountLog(last, {{"event", "beep"}}));
    }
}

// While a bar tracks, a key without a character is swallowed and a letter that
// matches nothing beeps once; neither reaches the frame.
TEST_F(CommandBarKeyInputTest, KeysThatMatchNothingAreSwallowed)
{
    Track("Standard");
    s_input->Press(VK_F5);
    s_input->Press('Z');
    json last;
    ASSERT_TRUE(WaitForLog({{"event", "beep"}}, &last)) << last["log"].dump(1);
    EXPECT_EQ(1, CountLog(last, {{"event", "beep"}}));
    EXPECT_EQ(1, Bar(last, "Standard")["tracking"]);
    EXPECT_EQ(0, Bar(last, "Standard")["selected"]);
    EXPECT_EQ(0, CountLog(last, {{"event", "WM_KEYDOWN"}})) << last["log"].dump(1);
    // The bar told its site of both keys before it decided on them.
    EXPECT_EQ(1, CountLog(last, {{"event", "WM_CMDBARS_KEYDOWN"}, {"key", VK_F5}})) << last["log"].dump(1);
    EXPECT_EQ(1, CountLog(last, {{"event", "WM_CMDBARS_KEYDOWN"}, {"key", 'Z'}})) << last["log"].dump(1);

    // Tracking off, the same key reaches the frame.
    s_barHost->Request("reset");
    s_input->Press(VK_F5);
    EXPECT_TRUE(WaitForLog({{"event", "WM_KEYDOWN"}, {"key", VK_F5}}, &last)) << last["log"].dump(1);
}

} // namespace
