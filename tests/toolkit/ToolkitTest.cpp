#include "Bounds.h"
#include "CheckBox.h"
#include "CommandButton.h"
#include "ControlArray.h"
#include "DriveListBox.h"
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

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

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

// clang-format off
struct NoticeRow { const char* name; std::function<void(WatchedWindow&)> change; };
// clang-format on

TEST(ChangeNotices, EverySetterTellsOfAChangeOnceAndOfNothingElse)
{
    const auto picture = std::make_shared<const tk::Picture>();
    // clang-format off
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
        {"window state", [](WatchedWindow& w) { w.window.setWindowState(tk::WindowState::Maximised); }},
        {"pointer", [](WatchedWindow& w) { w.window.setMousePointer(tk::MousePointer::Custom); }},
        {"window shown", [](WatchedWindow& w) { w.window.show(); }},
    };
    // clang-format on
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

TEST(Bounds, EmptyIsNoAreaAndSpansNothingIsNotEvenALine)
{
    // clang-format off
    struct Row { const char* name; tk::Bounds bounds; bool empty; bool spansNothing; };
    const Row rows[] = {{"an area", {10, 10, 100, 50}, false, false}, {"a horizontal line", {10, 10, 100, 0}, true, false},
                        {"a vertical line", {10, 10, 0, 100}, true, false}, {"a point", {10, 10, 0, 0}, true, true},
                        {"turned inside out", {10, 10, -5, 50}, true, false}};
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(std::pair(row.bounds.isEmpty(), row.bounds.spansNothing()),
                  std::pair(row.empty, row.spansNothing))
            << row.name;
}

TEST(NumberText, CurrencyTextsAndNumbers)
{
    // clang-format off
    const std::pair<double, const char*> currencies[] = {{24, "24"}, {15.75, "15.75"}, {20.00004, "20"}, {12.34567, "12.3457"}, {-0.00001, "0"}};
    for (const auto& [value, text] : currencies)
        EXPECT_EQ(tk::currencyText(value), text) << value;
    const std::pair<float, const char*> singles[] = {{30, "30"}, {8.25f, "8.25"}, {0.0004f, "4e-04"}, {16777215, "16777215"}};
    for (const auto& [value, text] : singles)
        EXPECT_EQ(tk::singleText(value), text) << value;
    // Numbers are read with blanks around them only, with a point or a comma.
    const std::pair<const char*, std::optional<double>> numbers[] = {{" 12 ", 12.0}, {"  8.25", 8.25}, {"1e3", 1000.0}, {"-4", -4.0},
        {"+7", 7.0}, {"", {}}, {"   ", {}}, {"12abc", {}}, {"1 2", {}}, {"inf", {}}, {"nan", {}}, {"2,5", 2.5}, {" 8,25 ", 8.25}, {"1,2,3", {}}, {"1.5,0", {}}};
    for (const auto& [text, number] : numbers)
        EXPECT_EQ(tk::parseNumber(text), number) << '"' << text << '"';
    const std::pair<const char*, std::optional<std::int32_t>> wholes[] = {
        {"8421631", 8421631}, {"2.6", 3}, {"-1", -1}, {"xyz", {}}, {"1e10", {}}, {"2147483647", 2147483647}};
    // clang-format on
    for (const auto& [text, number] : wholes)
        EXPECT_EQ(tk::parseWholeNumber(text), number) << '"' << text << '"';
}

// The path written with '/', in the platform's own separator.
std::string native(std::string path)
{
    std::ranges::replace(path, '/', tk::kPathSeparator);
    return path;
}

TEST(PathText, FoldersAndNames)
{
    const bool windows = tk::kWindowsPaths;
    // clang-format off
    struct Folder { const char* name; std::string path, normal, parent; bool root; };
    const Folder folders[] = {
        {"the root", native("/"), native("/"), native("/"), true},
        {"a doubled root", native("//"), native("/"), native("/"), false},
        {"a folder at the root", native("/home"), native("/home"), native("/"), false},
        {"a trailing separator", native("/home/"), native("/home"), native("/"), false},
        {"separators at the end", native("/a/b//"), native("/a/b"), native("/a"), false},
        {"a colon in a folder's name", native("/a/C:"), native("/a/C:"), native("/a"), false},
        {"a drive letter, a root on Windows only", "C:", native(windows ? "C:/" : "C:"), native(windows ? "C:/" : "C:"), windows},
        {"'/' separates on Windows too", "C:/pics/", "C:/pics", native(windows ? "C:/" : "C:"), false},
        {"'\\' separates on Windows only", "/a\\b", "/a\\b", windows ? "/a" : "/", false}};
    // clang-format on
    for (const auto& row : folders) {
        SCOPED_TRACE(row.name);
        // The path normalised, its parent, and whether it is a root.
        EXPECT_EQ(std::tuple(tk::path::normalised(row.path), tk::path::parentOf(row.path),
                             tk::path::isRoot(row.path)),
                  std::tuple(row.normal, row.parent, row.root));
    }

    // clang-format off
    struct Split { const char* name; std::string folder, file, joined, folderPart, namePart; };
    const Split splits[] = {
        {"a file at the root", native("/"), "a.gif", native("/a.gif"), native("/"), "a.gif"},
        {"a wildcard in a folder", native("/pics"), "*.gif", native("/pics/*.gif"), native("/pics/"), "*.gif"},
        {"a folder with its separator at the end", native("/pics/"), "", native("/pics/"), native("/pics/"), ""}};
    // clang-format on
    for (const auto& row : splits) {
        const std::string joined = tk::path::join(row.folder, row.file);
        EXPECT_EQ(std::tuple(joined, tk::path::folderOf(joined), tk::path::nameOf(joined)),
                  std::tuple(row.joined, row.folderPart, row.namePart))
            << row.name;
    }
    EXPECT_EQ(std::pair(tk::path::folderOf("a.gif"), tk::path::nameOf("a.gif")),
              std::pair(std::string_view(), std::string_view("a.gif")))
        << "a name without a folder";
    EXPECT_EQ(tk::path::nameOf("C:/pics\\a.gif"), windows ? "a.gif" : "pics\\a.gif")
        << "both separators end a folder on Windows";

    // clang-format off
    struct Inside { const char* name; std::string folder, path; bool inside; };
    const Inside inside[] = {
        {"everything lies in the root", native("/"), native("/home/user"), true},
        {"a folder lies in itself", native("/home/user"), native("/home/user"), true},
        {"a name's start is no folder", native("/home/u"), native("/home/user"), false},
        {"a trailing separator", native("/home/user/"), native("/home/user/pics"), true},
        {"a parent is not inside", native("/home/user"), native("/home"), false},
        {"case counts on Linux only", native("/Home/User"), native("/home/user/pics"), windows}};
    // clang-format on
    for (const auto& row : inside)
        EXPECT_EQ(tk::path::contains(row.folder, row.path), row.inside) << row.name;
    // A drive list opens on the innermost drive that holds the folder, whatever the order.
    const std::vector<std::string> drives = {native("/"), native("/home/u"), native("/home")};
    EXPECT_EQ(tk::DriveListBox::driveOf(drives, native("/home/u/pics")), native("/home/u"));
}

} // namespace
