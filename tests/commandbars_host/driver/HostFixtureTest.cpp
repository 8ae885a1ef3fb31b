#include "HostFixtureTest.h"

std::unique_ptr<HostProcess> HostFixtureTest::s_other;
std::unique_ptr<HostProcess> HostFixtureTest::s_barHost;
std::unique_ptr<DesktopInput> HostFixtureTest::s_input;

namespace {

bool HasFields(const nlohmann::json& entry, const nlohmann::json& fields)
{
    for (const auto& [key, value] : fields.items())
        if (!entry.contains(key) || entry[key] != value)
            return false;
    return true;
}

} // namespace

void HostFixtureTest::SetUpTestSuite()
{
    // Another program first, bottom right, beside the host's frame; then the host,
    // which comes in front.
    s_other = std::make_unique<HostProcess>();
    if (!s_other->Start(INPUT_PROBE_EXE, L"--at 600 420"))
        return;
    s_input = std::make_unique<DesktopInput>(HostProcess::kDesktop);
}

void HostFixtureTest::TearDownTestSuite()
{
    s_input.reset();
    s_barHost.reset();
    s_other.reset();
}

void HostFixtureTest::SetUp()
{
    ASSERT_TRUE(s_other && s_other->IsRunning()) << "the other program did not start";
    ASSERT_TRUE(s_input && s_input->IsReady());
    // A test that ended the host leaves the next one to start it again.
    if (!s_barHost || !s_barHost->IsRunning()) {
        s_barHost = std::make_unique<HostProcess>();
        ASSERT_TRUE(s_barHost->Start(COMMANDBARS_HOST_EXE)) << "the host did not start";
    }
    json state = s_barHost->State();
    ASSERT_FALSE(state.is_null());
    // In front, the mouse on an empty spot, nothing tracking or hot, an empty
    // log. The click must have arrived before the test begins: a late one would
    // end the tracking the test starts.
    s_barHost->Request("clear-log");
    s_input->Click(EmptyClientPoint(state));
    ASSERT_TRUE(s_barHost->WaitFor(
        [](const json& s) { return s["foreground"].get<bool>() && CountLog(s, {{"event", "WM_LBUTTONDOWN"}}) > 0; },
        5000, &state))
        << state.dump(1);
    s_barHost->Request("reset");
}

void HostFixtureTest::TearDown()
{
    // A test that stopped half-way through a press must not leave the button
    // down for the next one.
    if (!HasFailure() || !s_input || !s_barHost || !s_barHost->IsRunning())
        return;
    const json state = s_barHost->State();
    if (!state.is_null())
        s_input->ButtonUp(EmptyClientPoint(state));
}

const nlohmann::json& HostFixtureTest::Bar(const json& state, const std::string& name)
{
    static const json none;
    for (const json& bar : state["bars"])
        if (bar["name"] == name)
            return bar;
    return none;
}

POINT HostFixtureTest::ControlCentre(const json& state, const std::string& bar, int index)
{
    const json& rect = Bar(state, bar)["controls"][static_cast<std::size_t>(index)]["rect"];
    return POINT{(rect[0].get<int>() + rect[2].get<int>()) / 2, (rect[1].get<int>() + rect[3].get<int>()) / 2};
}

POINT HostFixtureTest::EmptyClientPoint(const json& state)
{
    const json& client = state["client"];
    return POINT{client[0].get<int>() + 300, client[3].get<int>() - 30};
}

POINT HostFixtureTest::OtherProgramPoint()
{
    const json rect = s_other->State()["rect"];
    return POINT{(rect[0].get<int>() + rect[2].get<int>()) / 2, rect[3].get<int>() - 40};
}

bool HostFixtureTest::WaitForBar(const std::string& bar, const std::string& field, const json& value, json* last)
{
    return s_barHost->WaitFor([&](const json& state) { return Bar(state, bar)[field] == value; }, 5000, last);
}

bool HostFixtureTest::WaitForLog(const json& fields, json* last)
{
    return s_barHost->WaitFor([&](const json& state) { return CountLog(state, fields) > 0; }, 5000, last);
}

int HostFixtureTest::CountLog(const json& state, const json& fields)
{
    int count = 0;
    for (const json& entry : state["log"])
        count += HasFields(entry, fields);
    return count;
}

void HostFixtureTest::Track(const std::string& bar)
{
    s_barHost->Request("track " + bar);
    json last;
    ASSERT_TRUE(WaitForBar(bar, "tracking", 1, &last)) << last.dump(1);
    ASSERT_EQ(0, Bar(last, bar)["selected"]);
    s_barHost->Request("clear-log");
}
