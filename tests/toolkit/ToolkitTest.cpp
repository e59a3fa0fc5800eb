#include "ControlArray.h"
#include "Frame.h"
#include "Label.h"
#include "Line.h"
#include "NumberText.h"
#include "PathText.h"
#include "Shape.h"
#include "TextBox.h"
#include "Timer.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <tuple>

namespace {

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

// Writes every notification a window sends to whoever presents it into a log.
class RecordingObserver : public tk::Window::Observer {
public:
    void controlChanged(tk::Control& control, const tk::Bounds& before) override
    {
        log << control.name();
        for (const tk::Bounds& b : {before, control.bounds()})
            log << " " << b.left << "," << b.top << "," << b.width << "," << b.height;
        log << "; ";
    }
    void windowChanged() override { log << "window; "; }
    void stackingChanged() override { log << "stacking; "; }
    void shown() override { log << "shown; "; }

    std::ostringstream log;
};

TEST(ControlArrayRules, LoadCopiesElementZeroAndStartsHidden)
{
    tk::Window window("test");
    tk::Frame frame(window, "frame");
    tk::ControlArray<tk::Shape> shapes(window, "ShapeS");
    tk::Shape& first = shapes.add(0, &frame);
    first.move(10, 20, 300, 400);
    first.setBorderColor(tk::rgb(4, 5, 6));
    first.setVisible(true);
    const tk::Shape& copy = shapes.load(2);
    EXPECT_EQ(std::tuple(copy.index(), copy.container(), copy.bounds(), copy.borderColor(),
                         copy.visible()),
              std::tuple(2, &frame, tk::Bounds{10, 20, 300, 400}, tk::rgb(4, 5, 6), false));
}

TEST(WindowRules, StackingAndNotifications)
{
    tk::Window window("test");
    RecordingObserver observer;
    window.setObserver(&observer);
    tk::Label label(window, "label");
    tk::Line line(window, "line");
    tk::Label other(window, "other");
    tk::TextBox box(window, "box"); // windowed: never in the stacking order
    label.move(100, 200, 300, 400);
    label.setWidth(50);
    label.setForeColor(tk::kBlue);
    label.move(100, 200, 50, 400); // no change, no notification
    line.setEnds(10, 20, 30, 60);
    line.setEnds(40, 0, 10, 20);
    window.zOrder(label, 0); // to the front
    window.zOrder(other, 1); // to the back
    window.zOrder(box, 0);   // not stacked: nothing to tell
    window.show();
    window.show(); // shown again: only brought to the front
    window.hide();
    std::string backToFront;
    for (const tk::Control* control : window.stacking())
        backToFront += control->name() + " ";
    EXPECT_EQ(backToFront, "other line label ");
    EXPECT_EQ(observer.log.str(),
              "label 0,0,0,0 100,200,300,400; label 100,200,300,400 100,200,50,400; "
              "label 100,200,50,400 100,200,50,400; line 0,0,0,0 10,20,20,40; "
              "line 10,20,20,40 10,0,30,20; stacking; stacking; window; shown; shown; window; ");
}

TEST(NumberText, CurrencyTextsAndNumbers)
{
    const std::pair<double, const char*> currencies[] = {
        {24, "24"}, {15.75, "15.75"}, {20.00004, "20"}, {12.34567, "12.3457"}, {-0.00001, "0"}};
    for (const auto& [value, text] : currencies)
        EXPECT_EQ(tk::currencyText(value), text) << value;
    const std::pair<float, const char*> singles[] = {
        {30, "30"}, {8.25f, "8.25"}, {0.0004f, "4e-04"}, {16777215, "16777215"}};
    for (const auto& [value, text] : singles)
        EXPECT_EQ(tk::singleText(value), text) << value;
    // Numbers are read with blanks around them only, with a point or a comma.
    const std::pair<const char*, std::optional<double>> numbers[] = {
        {" 12 ", 12.0}, {"  8.25", 8.25}, {"1e3", 1000.0},  {"-4", -4.0},  {"+7", 7.0},
        {"", {}},       {"   ", {}},      {"12abc", {}},    {"1 2", {}},   {"inf", {}},
        {"nan", {}},    {"2,5", 2.5},     {" 8,25 ", 8.25}, {"1,2,3", {}}, {"1.5,0", {}}};
    for (const auto& [text, number] : numbers)
        EXPECT_EQ(tk::parseNumber(text), number) << '"' << text << '"';
    const std::pair<const char*, std::optional<std::int32_t>> wholes[] = {
        {"8421631", 8421631}, {"2.6", 3},   {"-1", -1},
        {"xyz", {}},          {"1e10", {}}, {"2147483647", 2147483647}};
    for (const auto& [text, number] : wholes)
        EXPECT_EQ(tk::parseWholeNumber(text), number) << '"' << text << '"';
}

TEST(PathText, FoldersAndNames)
{
#ifndef _WIN32
    // A path, the same path normalised, and its parent.
    const std::tuple<std::string, std::string, std::string> folders[] = {
        {"/", "/", "/"},          {"//", "/", "/"},         {"/home", "/home", "/"},
        {"/home/", "/home", "/"}, {"/a/b//", "/a/b", "/a"}, {"/a/C:", "/a/C:", "/a"},
        {"C:", "C:", "C:"}};
    for (const auto& [path, normal, parent] : folders) {
        EXPECT_EQ(tk::path::normalised(path), normal) << path;
        EXPECT_EQ(tk::path::parentOf(path), parent) << path;
        EXPECT_EQ(tk::path::isRoot(path), path == "/") << path;
    }
    EXPECT_EQ(tk::path::join("/", "a.gif") + " " + tk::path::join("/pics", "*.gif"),
              "/a.gif /pics/*.gif");
    // A folder, a path, and whether the path is the folder or lies in it.
    const std::tuple<const char*, const char*, bool> inside[] = {
        {"/", "/home/user", true},
        {"/home/user", "/home/user", true},
        {"/home/u", "/home/user", false},
        {"/home/user/", "/home/user/pics", true},
        {"/home/user", "/home", false}};
    for (const auto& [folder, path, in] : inside)
        EXPECT_EQ(tk::path::contains(folder, path), in) << folder << " " << path;
#endif
    EXPECT_EQ(tk::path::compareWithoutCase("a.gif", "B.GIF"), -1);
    EXPECT_EQ(tk::path::compareWithoutCase("Photo.JPG", "photo.jpg"), 0);
    EXPECT_EQ(tk::path::compareWithoutCase("ab", "a"), 1);
}

} // namespace
