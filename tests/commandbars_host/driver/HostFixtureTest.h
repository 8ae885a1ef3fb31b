#pragma once
// The command-bar host in its virtual desktop beside another program, with the
// desktop's input at hand, shared by the tests of a suite. Each test starts
// with the host in front, no bar tracking, nothing hot and an empty log.
#include "DesktopInput.h"
#include "HostProcess.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class HostFixtureTest : public ::testing::Test {
protected:
    using json = nlohmann::json;

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The bar of that name in a state; null when there is none.
    static const json& Bar(const json& state, const std::string& name);
    static POINT ControlCentre(const json& state, const std::string& bar, int index);
    // A point of the frame's client area below the bars, where nothing is hot.
    static POINT EmptyClientPoint(const json& state);
    static POINT OtherProgramPoint();

    // Waits until the bar's field has the value.
    static bool WaitForBar(const std::string& bar, const std::string& field, const json& value, json* last = nullptr);
    // Waits until a log entry has all the given fields.
    static bool WaitForLog(const json& fields, json* last = nullptr);
    // The log entries that have all the given fields.
    static int CountLog(const json& state, const json& fields);
    // Puts the bar into keyboard tracking (first control selected) and waits for it.
    static void Track(const std::string& bar);

    static std::unique_ptr<HostProcess> s_other;
    static std::unique_ptr<HostProcess> s_barHost;
    static std::unique_ptr<DesktopInput> s_input;
};
