#include "CheckBox.h"
#include "Frame.h"
#include "OptionButton.h"
#include "Timer.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

TEST(OptionRules, SelectingUnselectsTheOthersOfItsContainerOnly)
{
    // Options "a" stand in one frame, "b" in another, "w" straight on the window. A step "a1"
    // selects an option from code, "*a1" clicks it, "-a1" unselects it from code; then the
    // options selected and the click handlers that ran.
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"a0 *a1", "a1 ", "a0 a1 "},
        {"*a0 b1", "a0 b1 ", "a0 b1 "},
        {"a2 *b0 w1", "a2 b0 w1 ", "a2 b0 w1 "},
        {"*w0 *w1 a1", "a1 w1 ", "w0 w1 a1 "},
        {"a1 a1 *a1", "a1 ", "a1 a1 a1 "},
        {"a1 b0 -a1 -b0 -w0", "", "a1 b0 "},
    };
    for (const auto& [steps, selected, clicks] : cases) {
        tk::Window window("test");
        tk::Frame frames[] = {{window, "a"}, {window, "b"}};
        std::map<std::string, std::unique_ptr<tk::OptionButton>> options;
        std::string ran;
        for (const std::string name : {"a0", "a1", "a2", "b0", "b1", "w0", "w1"}) {
            tk::Frame* frame = name[0] == 'w' ? nullptr : &frames[name[0] - 'a'];
            options[name] = std::make_unique<tk::OptionButton>(window, name, -1, frame);
            options[name]->onClick = [&ran, name] { ran += name + " "; };
        }
        std::istringstream in(steps);
        for (std::string step; in >> step;) {
            tk::OptionButton& option = *options[step.substr(step[0] == '*' || step[0] == '-')];
            step[0] == '*' ? option.click() : option.setValue(step[0] != '-');
        }
        std::string on;
        for (const auto& [name, option] : options)
            on += option->value() ? name + " " : "";
        EXPECT_EQ(on, selected) << steps;
        EXPECT_EQ(ran, clicks) << steps;
    }
}

TEST(CheckBoxRules, AChangeOfValueRunsTheHandlerTheSameValueNothing)
{
    // The start value, then a value set from code or a click ("c"); the values the handler saw
    // (it runs once on a change, and sees the new value) and the value after "|".
    const std::vector<std::tuple<int, std::string, std::string>> cases = {
        {0, "1", "1|1"}, {1, "0", "0|0"}, {0, "0", "|0"},
        {1, "1", "|1"},  {0, "c", "1|1"}, {1, "c", "0|0"}};
    for (const auto& [start, action, expected] : cases) {
        tk::Window window("test");
        tk::CheckBox box(window, "chk");
        box.setValue(start);
        std::string seen;
        box.onClick = [&] { seen += std::to_string(box.value()); };
        action == "c" ? box.click() : box.setValue(std::stoi(action));
        EXPECT_EQ(seen + "|" + std::to_string(box.value()), expected) << start << " " << action;
    }
}

TEST(TimerRules, OnlyAnEnabledTimerWithAnIntervalFires)
{
    tk::Window window("test");
    tk::Timer timer(window, "tmr");
    std::string fired;
    timer.onTimer = [&] { fired += std::to_string(timer.interval()) + " "; };
    timer.fire(); // a new timer is disabled
    for (const auto& [interval, enabled] : {std::pair(0, true), {1000, false}, {1000, true}}) {
        timer.setInterval(interval);
        timer.setEnabled(enabled);
        timer.fire();
    }
    EXPECT_EQ(fired, "1000 ") << "only the last fire, enabled with an interval";
}

} // namespace
