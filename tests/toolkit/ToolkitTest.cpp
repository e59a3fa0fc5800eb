#include "Bounds.h"
#include "CheckBox.h"
#include "CommandButton.h"
#include "ControlArray.h"
#include "Frame.h"
#include "Label.h"
#include "Line.h"
#include "NumberText.h"
#include "OptionButton.h"
#include "PathText.h"
#include "PictureBox.h"
#include "Shape.h"
#include "Timer.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

namespace {

// A window of one control of each kind that counts what it tells its observer.
struct WatchedWindow : tk::Window::Observer {
    WatchedWindow() { window.setObserver(this); }
    void controlChanged(tk::Control&, const tk::Bounds&) override { ++notices; }
    void windowChanged() override { ++notices; }
    void stackingChanged() override {}
    void shown() override {}

    tk::Window window{"window"};
    tk::Frame frame{window, "frame"};
    tk::Label label{window, "label"};
    tk::CommandButton button{window, "button"};
    tk::Shape shape{window, "shape"};
    tk::Line line{window, "line"};
    tk::Timer timer{window, "timer"};
    tk::PictureBox box{window, "box"};
    tk::CheckBox check{window, "check"};
    tk::OptionButton option{window, "option"};
    int notices = 0;
};

struct NoticeRow {
    const char* name;
    std::function<void(WatchedWindow&)> change;
};

TEST(ChangeNotices, EverySetterTellsOfAChangeOnceAndOfNothingElse)
{
    const auto picture = std::make_shared<const tk::Picture>();
    const NoticeRow rows[] = {
        {"left", [](WatchedWindow& w) { w.label.setLeft(120); }},
        {"visible", [](WatchedWindow& w) { w.label.setVisible(false); }},
        {"enabled", [](WatchedWindow& w) { w.button.setEnabled(false); }},
        {"fore colour", [](WatchedWindow& w) { w.label.setForeColor(255); }},
        {"back colour", [](WatchedWindow& w) { w.box.setBackColor(255); }},
        {"caption", [](WatchedWindow& w) { w.button.setCaption("OK"); }},
        {"font name", [](WatchedWindow& w) { w.label.setFontName("Tahoma"); }},
        {"font size", [](WatchedWindow& w) { w.label.setFontSize(30); }},
        {"bold", [](WatchedWindow& w) { w.label.setFontBold(true); }},
        {"container", [](WatchedWindow& w) { w.option.setContainer(&w.frame); }},
        {"label alignment", [](WatchedWindow& w) { w.label.setAlignment(tk::Alignment::Centre); }},
        {"default button", [](WatchedWindow& w) { w.button.setDefault(true); }},
        {"cancel button", [](WatchedWindow& w) { w.button.setCancel(true); }},
        {"shape", [](WatchedWindow& w) { w.shape.setShape(tk::ShapeKind::Circle); }},
        {"shape border", [](WatchedWindow& w) { w.shape.setBorderWidth(3); }},
        {"line end", [](WatchedWindow& w) { w.line.setX2(600); }},
        {"line colour", [](WatchedWindow& w) { w.line.setBorderColor(255); }},
        {"timer interval", [](WatchedWindow& w) { w.timer.setInterval(1000); }},
        {"timer alignment", [](WatchedWindow& w) { w.timer.setAlignedToWallClock(true); }},
        {"picture", [&picture](WatchedWindow& w) { w.box.setPicture(picture); }},
        {"check box value", [](WatchedWindow& w) { w.check.setValue(1); }},
        {"option value", [](WatchedWindow& w) { w.option.setValue(true); }},
        {"window caption", [](WatchedWindow& w) { w.window.setCaption("Options"); }},
        {"window left", [](WatchedWindow& w) { w.window.setLeft(300); }},
        {"window size", [](WatchedWindow& w) { w.window.setClientSize(4000, 3000); }},
        {"window colour", [](WatchedWindow& w) { w.window.setBackColor(0); }},
        {"window state",
         [](WatchedWindow& w) { w.window.setWindowState(tk::WindowState::Maximised); }},
        {"pointer", [](WatchedWindow& w) { w.window.setMousePointer(tk::MousePointer::Custom); }},
        {"window shown", [](WatchedWindow& w) { w.window.show(); }},
    };
    for (const NoticeRow& row : rows) {
        WatchedWindow watched;
        row.change(watched);
        EXPECT_EQ(watched.notices, 1) << row.name << " changed";
        watched.notices = 0;
        row.change(watched);
        EXPECT_EQ(watched.notices, 0) << row.name << " set again to the same";
    }
}

TEST(ToolkitRules, ATimerOfNoIntervalAndANewElementOfAGroup)
{
    tk::Window window("window");
    tk::Timer timer(window, "timer");
    int fired = 0;
    timer.onTimer = [&fired] { ++fired; };
    timer.setEnabled(true);
    timer.fire();
    EXPECT_EQ(fired, 0) << "a timer of interval 0 never fires";
    timer.setInterval(1000);
    timer.fire();
    EXPECT_EQ(fired, 1) << "a timer with an interval fires";

    tk::ControlArray<tk::Shape> shapes(window, "ShapeS");
    shapes.add(0).setBorderWidth(3);
    const tk::Shape& loaded = shapes.load(1);
    EXPECT_EQ(std::pair(loaded.visible(), loaded.borderWidth()), std::pair(false, 3))
        << "a loaded element starts hidden, with element 0's look";
}

struct BoundsRow {
    const char* name;
    tk::Bounds bounds;
    bool empty;
    bool spansNothing;
};

TEST(Bounds, EmptyIsNoAreaAndSpansNothingIsNotEvenALine)
{
    const BoundsRow rows[] = {
        {"an area", {10, 10, 100, 50}, false, false},
        {"a horizontal line", {10, 10, 100, 0}, true, false},
        {"a vertical line", {10, 10, 0, 100}, true, false},
        {"a point", {10, 10, 0, 0}, true, true},
        {"turned inside out", {10, 10, -5, 50}, true, false},
    };
    for (const BoundsRow& row : rows) {
        EXPECT_EQ(row.bounds.isEmpty(), row.empty) << row.name;
        EXPECT_EQ(row.bounds.spansNothing(), row.spansNothing) << row.name;
    }
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
