#include "CheckBox.h"
#include "Frame.h"
#include "OptionButton.h"
#include "Timer.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// Two frames of options and a pair of options straight on the window; every click handler
// writes its option's name into a log.
class OptionWindow : public ::testing::Test {
protected:
    OptionWindow()
    {
        add("a0", &frameA);
        add("a1", &frameA);
        add("a2", &frameA);
        add("b0", &frameB);
        add("b1", &frameB);
        add("w0", nullptr);
        add("w1", nullptr);
    }

    void add(const std::string& name, tk::Control* container)
    {
        auto option = std::make_unique<tk::OptionButton>(window, name, -1, container);
        option->onClick = [this, name] { clicks.push_back(name); };
        options[name] = std::move(option);
    }

    std::vector<std::string> selected() const
    {
        std::vector<std::string> names;
        for (const auto& [name, option] : options) {
            if (option->value())
                names.push_back(name);
        }
        return names;
    }

    tk::Window window{"test"};
    tk::Frame frameA{window, "frameA"};
    tk::Frame frameB{window, "frameB"};
    std::map<std::string, std::unique_ptr<tk::OptionButton>> options;
    std::vector<std::string> clicks;
};

TEST_F(OptionWindow, SelectingUnselectsTheOthersOfItsContainerOnly)
{
    struct Step {
        std::string option;
        bool byClick;
    };
    struct Case {
        std::vector<Step> steps;
        std::vector<std::string> selected;
    };
    const std::vector<Case> cases = {
        {{{"a0", false}}, {"a0"}},
        {{{"a0", false}, {"a1", true}}, {"a1"}},
        {{{"a0", true}, {"b1", false}}, {"a0", "b1"}},
        {{{"a2", false}, {"b0", true}, {"w1", false}}, {"a2", "b0", "w1"}},
        {{{"w0", true}, {"w1", true}, {"a1", false}}, {"a1", "w1"}},
        {{{"b0", false}, {"b1", false}, {"b0", true}}, {"b0"}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        for (auto& [name, option] : options)
            option->setValue(false);
        clicks.clear();
        std::vector<std::string> expectedClicks;
        for (const Step& step : cases[i].steps) {
            if (step.byClick)
                options[step.option]->click();
            else
                options[step.option]->setValue(true);
            expectedClicks.push_back(step.option);
        }
        EXPECT_EQ(selected(), cases[i].selected) << "case " << i;
        EXPECT_EQ(clicks, expectedClicks) << "case " << i;
    }
}

TEST_F(OptionWindow, SelectingAnOptionAlreadySelectedRunsItsHandlerAgain)
{
    options["a1"]->setValue(true);
    options["a1"]->setValue(true);
    options["a1"]->click();
    EXPECT_EQ(clicks, (std::vector<std::string>{"a1", "a1", "a1"}));
    EXPECT_EQ(selected(), std::vector<std::string>{"a1"});
}

TEST_F(OptionWindow, UnselectingFromCodeRunsNothing)
{
    options["a1"]->setValue(true);
    options["b0"]->setValue(true);
    clicks.clear();
    options["a1"]->setValue(false);
    options["b0"]->setValue(false);
    options["w0"]->setValue(false);
    EXPECT_TRUE(clicks.empty());
    EXPECT_TRUE(selected().empty());
}

TEST(CheckBoxRules, AChangeOfValueRunsTheHandlerTheSameValueNothing)
{
    struct Case {
        int start, set, handlerRuns; // a set of -1 is a click
        int after;
    };
    const std::vector<Case> cases = {{0, 1, 1, 1}, {1, 0, 1, 0},  {0, 0, 0, 0},
                                     {1, 1, 0, 1}, {0, -1, 1, 1}, {1, -1, 1, 0}};
    for (const Case& c : cases) {
        tk::Window window("test");
        tk::CheckBox box(window, "chk");
        box.setValue(c.start);
        std::vector<int> seen; // the handler sees the new value
        box.onClick = [&] { seen.push_back(box.value()); };
        if (c.set < 0)
            box.click();
        else
            box.setValue(c.set);
        EXPECT_EQ(box.value(), c.after) << c.start << " -> " << c.set;
        EXPECT_EQ(seen, std::vector<int>(c.handlerRuns, c.after)) << c.start << " -> " << c.set;
    }
}

TEST(TimerRules, OnlyAnEnabledTimerWithAnIntervalFires)
{
    struct Case {
        int interval;
        bool enabled, fires;
    };
    const std::vector<Case> cases = {
        {0, true, false}, {0, false, false}, {1000, false, false}, {1000, true, true}};
    for (const Case& c : cases) {
        tk::Window window("test");
        tk::Timer timer(window, "tmr");
        EXPECT_FALSE(timer.isRunning()) << "a new timer is disabled";
        int ticks = 0;
        timer.onTimer = [&] { ++ticks; };
        timer.setInterval(c.interval);
        timer.setEnabled(c.enabled);
        timer.fire();
        EXPECT_EQ(ticks, c.fires ? 1 : 0) << c.interval << " " << c.enabled;
    }
}

} // namespace
