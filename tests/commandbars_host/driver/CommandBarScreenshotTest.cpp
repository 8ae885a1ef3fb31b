// A picture of a bar with a hot, a pressed and a keyboard-selected control,
// keyboard cues shown, taken from the screen of the host's desktop and kept in
// the test output folder for a person to look at.
#include "HostFixtureTest.h"

#include "TestPaths.h"

namespace {

using json = nlohmann::json;

class CommandBarScreenshotTest : public HostFixtureTest {};

RECT ToRect(const json& rect)
{
    return RECT{rect[0].get<int>(), rect[1].get<int>(), rect[2].get<int>(), rect[3].get<int>()};
}

// The part of a capture of bar that a control covers.
std::vector<COLORREF> Pixels(const testsupport::WindowCapture& capture, const RECT& bar, const RECT& control)
{
    std::vector<COLORREF> pixels;
    for (int y = control.top; y < control.bottom; ++y)
        for (int x = control.left; x < control.right; ++x)
            pixels.push_back(capture.At(x - bar.left, y - bar.top));
    return pixels;
}

TEST_F(CommandBarScreenshotTest, BarWithHotPressedAndKeyboardSelectedControls)
{
    const json state = s_barHost->State();
    const RECT bar = ToRect(Bar(state, "Standard")["rect"]);
    const json& controls = Bar(state, "Standard")["controls"];
    const testsupport::WindowCapture plain = s_input->Capture(bar);
    ASSERT_FALSE(plain.IsEmpty());

    // New hot, Open pressed, Find keyboard-selected.
    ASSERT_EQ("pose", s_barHost->Request("pose Standard 0 1 2").value("done", ""));
    const testsupport::WindowCapture posed = s_input->Capture(bar);
    ASSERT_FALSE(posed.IsEmpty());
    ASSERT_TRUE(posed.SavePng(testsupport::TestOutputPath(L"commandbars_host_states.png")));

    for (std::size_t i = 0; i < controls.size(); ++i) {
        const RECT rect = ToRect(controls[i]["rect"]);
        const bool changed = Pixels(plain, bar, rect) != Pixels(posed, bar, rect);
        EXPECT_EQ(i <= 2, changed) << controls[i]["caption"];
    }
}

} // namespace
