#include "Window.h"
#include "ControlArray.h"
#include "Frame.h"
#include "Label.h"
#include "Line.h"
#include "Shape.h"
#include "TextBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records every notification a window sends to whoever presents it.
class RecordingObserver : public tk::Window::Observer {
public:
    struct Change {
        std::string name;
        tk::Bounds before;
        tk::Bounds after;
    };
    void controlChanged(tk::Control& control, const tk::Bounds& before) override
    {
        changes.push_back({control.name(), before, control.bounds()});
    }
    void windowChanged() override { ++windowChanges; }
    void stackingChanged() override { ++stackingChanges; }
    void shown() override { ++shownCount; }

    std::vector<Change> changes;
    int windowChanges = 0;
    int stackingChanges = 0;
    int shownCount = 0;
};

std::vector<std::string> stackNames(const tk::Window& window)
{
    std::vector<std::string> names;
    for (const tk::Control* control : window.stacking())
        names.push_back(control->name() + std::to_string(control->index()));
    return names;
}

TEST(ControlArrayRules, LoadCopiesElementZeroAndStartsHidden)
{
    tk::Window window("test");
    tk::Frame frame(window, "frame");
    tk::ControlArray<tk::Shape> shapes(window, "ShapeS");
    tk::Shape& first = shapes.add(0, &frame);
    first.move(10, 20, 300, 400);
    first.setBackColor(tk::rgb(1, 2, 3));
    first.setBorderColor(tk::rgb(4, 5, 6));
    first.setBorderWidth(3);
    first.setShape(tk::ShapeKind::Circle);
    first.setBackStyle(tk::BackStyle::Opaque);
    first.setVisible(true);

    tk::Shape& copy = shapes.load(2);
    EXPECT_EQ(copy.index(), 2);
    EXPECT_EQ(copy.name(), "ShapeS");
    EXPECT_EQ(copy.container(), &frame);
    EXPECT_EQ(copy.bounds(), first.bounds());
    EXPECT_EQ(copy.backColor(), first.backColor());
    EXPECT_EQ(copy.borderColor(), first.borderColor());
    EXPECT_EQ(copy.borderWidth(), 3);
    EXPECT_EQ(copy.shape(), tk::ShapeKind::Circle);
    EXPECT_EQ(copy.backStyle(), tk::BackStyle::Opaque);
    EXPECT_FALSE(copy.visible());
    EXPECT_TRUE(first.visible());
    EXPECT_TRUE(shapes.exists(2));
    EXPECT_FALSE(shapes.exists(1));
    EXPECT_EQ(shapes.ubound(), 2);
}

TEST(WindowRules, ZOrderBringsToTheFrontOrSendsToTheBack)
{
    tk::Window window("test");
    RecordingObserver observer;
    window.setObserver(&observer);
    tk::ControlArray<tk::Label> labels(window, "lbl");
    for (int i = 0; i < 3; ++i)
        labels.add(i);
    tk::Line line(window, "line");
    tk::TextBox box(window, "box"); // windowed: never in the stacking order
    EXPECT_EQ(stackNames(window), (std::vector<std::string>{"lbl0", "lbl1", "lbl2", "line-1"}));

    struct Case {
        std::string target;
        int position;
        std::vector<std::string> backToFront;
    };
    const std::vector<Case> cases = {
        {"lbl0", 0, {"lbl1", "lbl2", "line-1", "lbl0"}},
        {"line-1", 1, {"line-1", "lbl1", "lbl2", "lbl0"}},
        {"lbl2", 1, {"lbl2", "line-1", "lbl1", "lbl0"}},
        {"lbl0", 0, {"lbl2", "line-1", "lbl1", "lbl0"}},
    };
    for (const Case& c : cases) {
        tk::Control& target =
            c.target == "line-1" ? static_cast<tk::Control&>(line) : labels[c.target.back() - '0'];
        window.zOrder(target, c.position);
        EXPECT_EQ(stackNames(window), c.backToFront) << c.target << " " << c.position;
    }
    EXPECT_EQ(observer.stackingChanges, 4);
    window.zOrder(box, 0);
    EXPECT_EQ(observer.stackingChanges, 4);
}

TEST(WindowRules, ControlChangesCarryTheBoundsBefore)
{
    tk::Window window("test");
    RecordingObserver observer;
    window.setObserver(&observer);
    tk::Label label(window, "label");
    tk::Line line(window, "line");
    label.move(100, 200, 300, 400);
    label.setLeft(150);
    label.setWidth(50);
    label.setForeColor(tk::kBlue);
    line.setEnds(10, 20, 30, 60);
    line.setEnds(40, 0, 10, 20);
    label.move(150, 200, 50, 400); // no change, no notification

    const std::vector<std::pair<tk::Bounds, tk::Bounds>> expected = {
        {{0, 0, 0, 0}, {100, 200, 300, 400}},
        {{100, 200, 300, 400}, {150, 200, 300, 400}},
        {{150, 200, 300, 400}, {150, 200, 50, 400}},
        {{150, 200, 50, 400}, {150, 200, 50, 400}},
        {{0, 0, 0, 0}, {10, 20, 20, 40}},
        {{10, 20, 20, 40}, {10, 0, 30, 20}},
    };
    ASSERT_EQ(observer.changes.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(observer.changes[i].before, expected[i].first) << "change " << i;
        EXPECT_EQ(observer.changes[i].after, expected[i].second) << "change " << i;
    }
}

TEST(WindowRules, ShowReportsAChangeOnceAndBringsToTheFrontEveryTime)
{
    tk::Window window("test");
    RecordingObserver observer;
    window.setObserver(&observer);
    window.show();
    window.show();
    EXPECT_TRUE(window.visible());
    EXPECT_EQ(observer.windowChanges, 1);
    EXPECT_EQ(observer.shownCount, 2);
    window.hide();
    EXPECT_FALSE(window.visible());
    EXPECT_EQ(observer.windowChanges, 2);
}

} // namespace
