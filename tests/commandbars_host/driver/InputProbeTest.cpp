// What the command bars' trackers rely on, checked under this Wine with the
// input the command-bar tests send (SendInput from another process in the
// program's virtual desktop): the program's thread hooks see that input, the
// keyboard hook sees Alt's context bit, Alt and F10 ask for the key menu with
// lParam 0, and activating another program's window deactivates the program.
#include "DesktopInput.h"
#include "HostProcess.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using nlohmann::json;

class InputProbeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Another program first, bottom right; then the probe, which comes in front.
        s_other = std::make_unique<HostProcess>();
        s_probe = std::make_unique<HostProcess>();
        if (!s_other->Start(INPUT_PROBE_EXE, L"--at 600 420") || !s_probe->Start(INPUT_PROBE_EXE))
            return;
        s_input = std::make_unique<DesktopInput>(HostProcess::kDesktop);
    }
    static void TearDownTestSuite()
    {
        s_input.reset();
        s_probe.reset();
        s_other.reset();
    }

    void SetUp() override
    {
        ASSERT_TRUE(s_probe->IsRunning()) << "the probe did not start";
        ASSERT_TRUE(s_probe->Announcement().value("hooks", false)) << "the probe could not install its hooks";
        ASSERT_TRUE(s_input && s_input->IsReady());
        // Every case starts with the probe in front and nothing recorded.
        const json state = s_probe->State();
        ASSERT_FALSE(state.is_null());
        const auto& rect = state["rect"];
        s_input->Click(POINT{(rect[0].get<int>() + rect[2].get<int>()) / 2, rect[1].get<int>() + 60});
        ASSERT_TRUE(s_probe->WaitFor([](const json& s) { return s["foreground"].get<bool>(); }));
        s_probe->Request("clear");
    }

    // Waits until an event with all the given fields was recorded.
    static bool WaitForEvent(const json& fields, json* last = nullptr)
    {
        return s_probe->WaitFor(
            [&](const json& state) {
                for (const json& event : state["events"]) {
                    bool all = true;
                    for (const auto& [key, value] : fields.items())
                        all = all && event.contains(key) && event[key] == value;
                    if (all)
                        return true;
                }
                return false;
            },
            5000, last);
    }

    static POINT InProbe(int dx, int dy)
    {
        const json rect = s_probe->State()["rect"];
        return POINT{rect[0].get<int>() + dx, rect[1].get<int>() + dy};
    }

    static std::unique_ptr<HostProcess> s_other;
    static std::unique_ptr<HostProcess> s_probe;
    static std::unique_ptr<DesktopInput> s_input;
};

std::unique_ptr<HostProcess> InputProbeTest::s_other;
std::unique_ptr<HostProcess> InputProbeTest::s_probe;
std::unique_ptr<DesktopInput> InputProbeTest::s_input;

TEST_F(InputProbeTest, MouseHookSeesMovesAndClicksAtTheirScreenPoints)
{
    const POINT point = InProbe(150, 120);
    s_input->MoveTo(point);
    json last;
    EXPECT_TRUE(WaitForEvent({{"source", "mouse hook"}, {"message", WM_MOUSEMOVE}, {"x", point.x}, {"y", point.y}},
                             &last))
        << last.dump(1);
    EXPECT_EQ(point.x, s_input->CursorPos().x);
    EXPECT_EQ(point.y, s_input->CursorPos().y);

    s_input->ButtonDown(point);
    s_input->ButtonUp(point);
    EXPECT_TRUE(WaitForEvent({{"source", "mouse hook"}, {"message", WM_LBUTTONDOWN}, {"x", point.x}}, &last))
        << last.dump(1);
    EXPECT_TRUE(WaitForEvent({{"source", "mouse hook"}, {"message", WM_LBUTTONUP}, {"x", point.x}}, &last))
        << last.dump(1);
}

TEST_F(InputProbeTest, KeyboardHookSeesKeysGoingDownAndUp)
{
    s_input->Press('K');
    json last;
    const bool both = s_probe->WaitFor(
        [](const json& state) {
            bool down = false, up = false;
            for (const json& event : state["events"]) {
                if (event["source"] == "keyboard hook" && event["key"] == 'K')
                    (event["lParam"].get<unsigned>() & 0x80000000u ? up : down) = true;
            }
            return down && up;
        },
        5000, &last);
    EXPECT_TRUE(both) << last.dump(1);
    for (const json& event : last["events"]) {
        if (event["source"] == "keyboard hook") {
            EXPECT_EQ(0u, event["lParam"].get<unsigned>() & 0x20000000u) << "a context bit without Alt";
        }
    }
}

// Alt alone and F10 both reach the window as the key menu command with lParam 0
// (no mnemonic character); Alt's press carries the context bit in the hook.
TEST_F(InputProbeTest, AltAndF10AskForTheKeyMenuWithLParamZero)
{
    for (const WORD key : {WORD(VK_MENU), WORD(VK_F10)}) {
        SCOPED_TRACE(key == VK_MENU ? "Alt" : "F10");
        s_probe->Request("clear");
        s_input->Press(key);
        json last;
        ASSERT_TRUE(WaitForEvent({{"source", "window"}, {"message", WM_SYSCOMMAND}}, &last)) << last.dump(1);
        for (const json& event : last["events"]) {
            if (event["source"] == "window" && event["message"] == WM_SYSCOMMAND) {
                EXPECT_EQ(unsigned(SC_KEYMENU), event["wParam"].get<unsigned>() & 0xFFF0u);
                EXPECT_EQ(0, event["lParam"].get<long long>());
            }
            if (key == VK_MENU && event["source"] == "keyboard hook" && event["key"] == VK_MENU
                && !(event["lParam"].get<unsigned>() & 0x80000000u)) {
                EXPECT_NE(0u, event["lParam"].get<unsigned>() & 0x20000000u) << "Alt's press lacks the context bit";
            }
        }
        EXPECT_TRUE(WaitForEvent({{"source", "keyboard hook"}, {"key", key}}, &last)) << last.dump(1);
    }
}

TEST_F(InputProbeTest, ClickingAnotherProgramsWindowDeactivatesTheProgram)
{
    const json other = s_other->State();
    ASSERT_FALSE(other.is_null());
    const auto& rect = other["rect"];
    s_input->Click(POINT{(rect[0].get<int>() + rect[2].get<int>()) / 2, rect[3].get<int>() - 40});
    json last;
    EXPECT_TRUE(WaitForEvent({{"source", "window"}, {"message", WM_ACTIVATEAPP}, {"wParam", false}}, &last))
        << last.dump(1);
    EXPECT_TRUE(WaitForEvent({{"source", "call hook"}, {"message", WM_ACTIVATEAPP}, {"wParam", false}}, &last))
        << last.dump(1);
    EXPECT_FALSE(last["foreground"].get<bool>());
    EXPECT_TRUE(s_other->WaitFor([](const json& state) { return state["foreground"].get<bool>(); }));
}

} // namespace
