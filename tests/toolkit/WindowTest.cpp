#include "Window.h"
#include "ControlArray.h"
#include "Frame.h"
#include "Label.h"
#include "Line.h"
#include "Shape.h"
#include "TextBox.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

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
    tk::Shape& copy = shapes.load(2);
    EXPECT_EQ(copy.index(), 2);
    EXPECT_EQ(copy.container(), &frame);
    EXPECT_EQ(copy.bounds(), first.bounds());
    EXPECT_EQ(copy.borderColor(), tk::rgb(4, 5, 6));
    EXPECT_FALSE(copy.visible());
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

} // namespace
