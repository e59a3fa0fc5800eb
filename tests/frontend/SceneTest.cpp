// The face's painting walk over a recording canvas, its repaint areas, its sprite looks, the
// built-in pictures' drawing and the pictures' fit.

#include "Area.h"
#include "BuiltInDrawing.h"
#include "Canvas.h"
#include "FaceWalk.h"
#include "Label.h"
#include "Line.h"
#include "PictureBox.h"
#include "PictureFit.h"
#include "RepaintAreas.h"
#include "Shape.h"
#include "TextBox.h"
#include "Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// At 96 dots per inch, 15 twips to a pixel.
constexpr auto px = [](int pixels) { return pixels * 15.0f; };

using Text = std::string;
using Font = tk::Font;
using Rect = tk::PixelRect;
using RectF = tk::PixelRectF;
using Id = scene::SpriteId;
using Pen = scene::Pen;
using MaybePen = std::optional<Pen>;
using MaybeColour = std::optional<tk::Colour>;

// Records each call as one word: a fill by its colour's name, a line as "line:colour", a text
// by itself, a picture by its name, a sprite as "+name" when drawn anew and "name@x,y" where
// copied, a disc as "disc@left,top/width:fill".
class RecordingCanvas : public scene::Canvas {
public:
    std::vector<std::string> calls;
    std::string order; // the calls, each where it first came, such as the back fill's bands
    std::map<const void*, std::string> names;
    std::map<tk::Colour, std::string> colours;
    tk::PixelSize pictures{100, 50}; // the size of every picture
    double ratio = 1.0;

    template <class... Part> void add(const Part&... parts)
    {
        std::ostringstream call;
        (call << ... << parts);
        if (std::find(calls.begin(), calls.end(), call.str()) == calls.end())
            order += (order.empty() ? "" : " ") + call.str();
        calls.push_back(call.str());
    }
    std::string name(tk::Colour c) const { return colours.contains(c) ? colours.at(c) : "?"; }

    double devicePixelRatio() const override { return ratio; }
    void save() override {}
    void restore() override {}
    void clipTo(const Rect&) override {}
    void setAntialiasing(bool) override {}
    void setTextAntialiasing(bool) override {}
    void fillRect(const Rect&, tk::Colour colour) override { add(name(colour)); }
    void drawLine(const tk::PixelLineF&, const Pen& p) override { add("line:", name(p.colour)); }
    void drawEllipse(const RectF& box, const MaybePen&, MaybeColour fill) override
    {
        add("disc@", box.left, ',', box.top, '/', box.width, ':', name(fill.value_or(-1)));
    }
    void drawRectangle(const RectF&, const MaybePen&, MaybeColour) override { add("rect"); }
    void drawText(const RectF&, const Text& t, const Font&, tk::Colour, int) override { add(t); }
    tk::PixelSize pictureSize(const tk::Picture&) const override { return pictures; }
    void drawPicture(const tk::Picture& p, const Rect&, const Rect&) override { add(names.at(&p)); }
    void drawPictureFitted(const tk::Picture& p, const Rect&) override { add(names.at(&p)); }
    void makeSprite(Id id, const scene::ShapeLook&) override { add('+', names.at(id)); }
    void drawSprite(Id id, tk::PixelPoint at) override { add(names.at(id), '@', at.x, ',', at.y); }
};

// A face of each kind of element, in pixels: a window picture at the top left, a dot (a circle
// in a box of 40 x 30, 7 twips off whole pixels), a slanting hand from the middle, a label, a
// picture box over the middle and a hint text box. Once set up, it collects what its changes
// leave to repaint, as its window reports them.
struct Face : tk::Window::Observer {
    tk::Window window{"Face"};
    tk::Shape dot{window, "dot"};
    tk::Line hand{window, "hand"};
    tk::Label label{window, "label"};
    tk::PictureBox centre{window, "centre"};
    tk::TextBox hint{window, "hint"};
    scene::FaceWalk walk{window, tk::Units(), {800, 600}};
    scene::RepaintAreas areas{window, tk::Units()};
    scene::Area dirty; // what the changes leave to repaint
    RecordingCanvas canvas;

    Face()
    {
        window.setBackColor(1);
        window.setPicture(std::make_shared<tk::Picture>());
        dot.setShape(tk::ShapeKind::Circle);
        dot.move(px(600) + 7, px(100), px(40), px(30));
        hand.setBorderColor(3);
        hand.setEnds(px(400), px(300), px(600), px(500));
        label.setCaption("twelve");
        label.move(px(380), px(40), px(40), px(20));
        centre.setBackColor(4);
        centre.setPicture(std::make_shared<tk::Picture>());
        centre.move(px(380), px(280), px(40), px(40));
        hint.setCaption("hint");
        hint.move(px(10), px(560), px(200), px(30));
        canvas.colours = {{1, "back"}, {3, "hand"}, {4, "centre"}};
        canvas.names = {
            {&dot, "dot"}, {window.picture().get(), "wpic"}, {centre.picture().get(), "cpic"}};
        window.setObserver(this);
    }
    ~Face() { window.setObserver(nullptr); }
    std::string paint(const Rect& area)
    {
        canvas.calls.clear(), canvas.order.clear();
        walk.paint(canvas, area);
        return canvas.order;
    }
    void controlChanged(tk::Control& c, const tk::Bounds& b) override
    {
        dirty += areas.repaintArea(c, b);
    }
    void windowChanged() override {}
    void stackingChanged() override {}
    void shown() override {}
};

TEST(FaceWalk, PaintsInOrderWhatReachesTheAreaAndDrawsASpriteAnewOnlyForANewLook)
{
    // Whether the whole face was painted once before the change, and the calls after the back.
    // clang-format off
    struct Row { const char* name; bool paintedBefore; void (*change)(Face&); Rect area; const char* calls; };
    // clang-format on
    const auto same = +[](Face&) {};
    const auto middle =
        +[](Face& f) { f.window.setPicture(f.window.picture(), tk::PicturePlace::Middle); };
    const Rect all{0, 0, 800, 600};
    const Rect atDot{610, 110, 5, 5};
    // clang-format off
    const Row rows[] = {
        {"the whole face: back, window picture, light-weight controls from the back, picture "
         "boxes, text boxes; the dot's sprite 2 pixels round its square, on whole pixels",
         false, same, all, "wpic +dot dot@603,98 line:hand twelve centre cpic hint"},
        {"a control brought to the front", false, [](Face& f) { f.window.zOrder(f.dot, 0); }, all, "wpic line:hand twelve +dot dot@603,98 centre cpic hint"},
        {"hidden controls are left out", false, [](Face& f) { f.dot.setVisible(false), f.centre.setVisible(false), f.hint.setVisible(false); }, all, "wpic line:hand twelve"},
        {"text boxes not shown", false, [](Face& f) { f.walk.setTextBoxesShown(false); }, all, "wpic +dot dot@603,98 line:hand twelve centre cpic"},
        {"the window picture where the area meets it", false, same, Rect(90, 40, 20, 20), "wpic"},
        {"a slanting line's box away from its stroke", false, same, Rect(560, 320, 20, 20), ""},
        {"a slanting line's stroke", false, same, Rect(495, 395, 10, 10), "line:hand"},
        {"a picture box's edge", false, same, Rect(418, 318, 5, 5), "line:hand centre cpic"},
        {"a move: old sprite", true, [](Face& f) { f.dot.setLeft(px(605)); }, atDot, "dot@608,98"},
        {"a new border colour", true, [](Face& f) { f.dot.setBorderColor(9); }, atDot, "+dot dot@603,98"},
        {"a new fill", true, [](Face& f) { f.dot.setBackStyle(tk::BackStyle::Opaque); }, atDot, "+dot dot@603,98"},
        {"a new size", true, [](Face& f) { f.dot.setHeight(px(20)); }, atDot, "+dot dot@608,98"},
        {"a width beyond the circle's side leaves its size", true, [](Face& f) { f.dot.setWidth(px(50)); }, atDot, "dot@608,98"},
        {"a new kind of the same box", true, [](Face& f) { f.dot.setShape(tk::ShapeKind::Square); }, atDot, "+dot dot@603,98"},
        {"more device pixels", true, [](Face& f) { f.canvas.ratio = 2; }, atDot, "+dot dot@603,98"},
        // The second style's dial stands with its middle at the face's middle, whatever their
        // sizes: 100 x 50 pixels in the middle of 800 x 600 cover (350, 275) to (449, 324).
        {"beside the middle picture's top left corner", false, middle, Rect(349, 274, 1, 1), ""},
        {"the middle picture's top left pixel", false, middle, Rect(350, 275, 1, 1), "wpic"},
        {"the middle picture's bottom right pixel", false, middle, Rect(449, 324, 1, 1), "wpic"},
        {"the face's corner beside the middle picture", false, middle, Rect(0, 0, 1, 1), ""}};
    // clang-format on
    for (const Row& row : rows) {
        Face face;
        if (row.paintedBefore)
            face.paint(all);
        row.change(face);
        const std::string calls = row.calls;
        EXPECT_EQ(face.paint(row.area), "back" + (calls.empty() ? "" : " " + calls)) << row.name;
    }
}

TEST(RepaintAreas, RepaintWhatAChangeTouchedAndNothingHidden)
{
    // clang-format off
    struct Row { const char* name; bool handSeenBefore; void (*change)(Face&); tk::PixelPoint point; bool repainted; };
    // clang-format on
    const auto turnHand = +[](Face& f) { f.hand.setEnds(px(400), px(300), px(200), px(500)); };
    const auto moveDot = +[](Face& f) { f.dot.setTop(px(200)); };
    const auto moveBox = +[](Face& f) { f.centre.setLeft(px(100)); };
    const auto moveLabel = +[](Face& f) { f.label.setTop(px(310)); };
    const Row rows[] = {
        {"a moved hand's old stroke, its middle", true, turnHand, {500, 400}, true},
        {"a moved hand's old stroke, its tip", true, turnHand, {600, 500}, true},
        {"a moved hand's new stroke, its tip", true, turnHand, {200, 500}, true},
        {"beside a moved hand's old stroke, within its box", true, turnHand, {580, 330}, false},
        {"a hand first seen: the box it stood in before", false, turnHand, {580, 330}, true},
        {"a moved shape's old place, room for its pen", false, moveDot, {597, 97}, true},
        {"a moved shape's new place", false, moveDot, {620, 215}, true},
        {"between a moved shape's places", false, moveDot, {620, 165}, false},
        {"a picture box's own move: its new middle", false, moveBox, {120, 300}, true},
        {"a label moved under the box: its new place, under", false, moveLabel, {400, 315}, false},
        {"a label moved under the box: its new place, below", false, moveLabel, {400, 325}, true},
    };
    for (const Row& row : rows) {
        Face face;
        if (row.handSeenBefore)
            face.areas.repaintArea(face.hand, face.hand.bounds());
        row.change(face);
        EXPECT_EQ(face.dirty.contains(row.point), row.repainted) << row.name;
    }
}

// The pixels an area holds, counted one by one from -5 to 24 each way, where the rows stand.
int pixelsOf(const scene::Area& area)
{
    int pixels = 0;
    for (int i = 0; i < 30 * 30; ++i)
        pixels += area.contains({i % 30 - 5, i / 30 - 5});
    return pixels;
}

TEST(Area, UnitesSubtractsAndMeetsRectangles)
{
    // The first two rectangles united, then the cut taken away.
    // clang-format off
    struct Row { const char* name; Rect first, second, cut; int pixels; Rect bounding; };
    const Row rows[] = {
        {"overlapping rectangles make one area, their overlap counted once", Rect(0, 0, 10, 10), Rect(5, 5, 10, 10), Rect(), 175, Rect(0, 0, 15, 15)},
        {"a cut leaves a frame around it", Rect(0, 0, 10, 10), Rect(), Rect(3, 3, 4, 4), 84, Rect(0, 0, 10, 10)},
        {"a cut through overlapping rectangles takes the pixels from both", Rect(0, 0, 10, 10), Rect(5, 0, 10, 10), Rect(4, 0, 3, 10), 120, Rect(0, 0, 15, 10)},
        {"an empty area", Rect(), Rect(), Rect(), 0, Rect()}};
    // clang-format on
    for (const Row& row : rows) {
        const scene::Area area = (scene::Area(row.first) += row.second) -= row.cut;
        EXPECT_EQ(pixelsOf(area), row.pixels) << row.name;
        EXPECT_EQ(area.boundingRect(), row.bounding) << row.name;
    }
    // A rectangle meets the area when it shares a pixel with it. One of negative width
    // covers the pixels before its left edge; one of no width meets the area when it lies
    // across it; one of no width and no height meets nothing.
    const scene::Area area(Rect(10, 10, 10, 10));
    // clang-format off
    const std::pair<Rect, bool> meets[] = {{{19, 19, 5, 5}, true}, {{20, 10, 5, 5}, false}, {{0, 0, 10, 10}, false}, {{22, 10, -5, 5}, true},
                                           {{10, 10, -5, 5}, false}, {{15, 12, 0, 3}, true}, {{20, 12, 0, 3}, false}, {{15, 15, 0, 0}, false}};
    // clang-format on
    for (const auto& [rect, meet] : meets)
        EXPECT_EQ(area.intersects(rect), meet)
            << rect.left << "," << rect.top << " " << rect.width << "x" << rect.height;
}

TEST(PictureFit, ShowsWholeOrScaledDownAndCentred)
{
    // clang-format off
    struct Row { const char* name; tk::PixelSize picture; Rect box; tk::PixelSize shown; tk::PixelPoint at; };
    const Row rows[] = {
        {"smaller: whole, never enlarged", {20, 10}, {0, 0, 100, 50}, {20, 10}, {40, 20}},
        {"wide: scaled down to the width", {400, 100}, {0, 0, 100, 100}, {100, 25}, {0, 37}},
        {"tall: scaled down to the height", {100, 400}, {0, 0, 100, 100}, {25, 100}, {37, 0}},
        {"thin: at least a pixel", {1, 1000}, {0, 0, 50, 50}, {1, 50}, {24, 0}},
        {"a box of no size: whole", {30, 30}, {10, 10, 0, 0}, {30, 30}, {-5, -5}}};
    // clang-format on
    for (const Row& row : rows) {
        const tk::PixelSize shown = scene::PictureFit::shownSize(row.picture, row.box.size());
        EXPECT_EQ(shown, row.shown) << row.name;
        EXPECT_EQ(scene::PictureFit::centredIn(row.box, shown), row.at) << row.name;
    }
}

TEST(BuiltInDrawing, SizesAndDiscs)
{
    // The disc in the middle is the last drawn, over the others.
    // clang-format off
    struct Row { const char* name; tk::BuiltInPicture which; int width, height; std::size_t calls; const char* middleDisc; };
    // clang-format on
    // The emblem: a face, 12 marks, 2 hands and a hub; a dial: 3 rings of 12 marks and 3 discs.
    using enum tk::BuiltInPicture;
    const Row rows[] = {
        {"the emblem", CentreEmblem, 49, 49, 16, "disc@22.3,22.3/4.4:rim"},
        {"the 800 x 600 dial", Dial800x600, 800, 600, 39, "disc@327,227/146:black"},
        {"the 1024 x 768 dial", Dial1024x768, 1024, 768, 39, "disc@439,311/146:black"},
        {"the 1280 x 1024 dial", Dial1280x1024, 1280, 1024, 39, "disc@567,439/146:black"},
    };
    for (const Row& row : rows) {
        const tk::PixelSize size = scene::BuiltInDrawing::sizeOf(row.which);
        EXPECT_EQ(size, (tk::PixelSize{row.width, row.height})) << row.name;
        RecordingCanvas canvas;
        canvas.colours = {{tk::kBlack, "black"}, {tk::rgb(200, 160, 60), "rim"}};
        if (row.which == CentreEmblem)
            scene::BuiltInDrawing::drawCentreEmblem(canvas);
        else
            scene::BuiltInDrawing::drawDial(canvas, size);
        EXPECT_EQ(canvas.calls.size(), row.calls) << row.name;
        EXPECT_EQ(canvas.calls.back(), row.middleDisc) << row.name;
    }
}

} // namespace
