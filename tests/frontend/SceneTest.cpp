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
#include <sstream>
#include <string>
#include <vector>

namespace {

// At 96 dots per inch, 15 twips to a pixel.
constexpr float kTwips = 15;
constexpr tk::PixelSize kFaceSize{800, 600};

float px(int pixels)
{
    return pixels * kTwips;
}

// A picture of a size the recording canvas reads.
struct FixedPicture : tk::Picture {
    explicit FixedPicture(tk::PixelSize size)
        : size(size)
    {
    }
    tk::PixelSize size;
};

// Records each call as one word: a fill by its colour's name, a line as "line:colour", a text
// by itself, a picture by its name, a sprite as "+name" when drawn anew and "name@x,y" where
// copied, a disc as "disc@left,top/width:fill".
class RecordingCanvas : public scene::Canvas {
public:
    std::vector<std::string> calls;
    std::map<const void*, std::string> names;
    std::map<tk::Colour, std::string> colours;
    double ratio = 1.0;

    // The calls, each kept where it first came, such as the bands of the back fill.
    std::string order() const
    {
        std::string joined;
        for (auto call = calls.begin(); call != calls.end(); ++call) {
            if (std::find(calls.begin(), call, *call) == call)
                joined += (joined.empty() ? "" : " ") + *call;
        }
        return joined;
    }
    long count(const std::string& prefix) const
    {
        return std::count_if(calls.begin(), calls.end(),
                             [&](const std::string& call) { return call.starts_with(prefix); });
    }

    double devicePixelRatio() const override { return ratio; }
    void save() override {}
    void restore() override {}
    void clipTo(const scene::Area&) override { calls.push_back("clip"); }
    void clipTo(const tk::PixelRect&) override {}
    void setAntialiasing(bool) override {}
    void setTextAntialiasing(bool) override {}
    void fillRect(const tk::PixelRect&, tk::Colour colour) override
    {
        calls.push_back(name(colour));
    }
    void drawLine(const tk::PixelLineF&, const scene::Pen& pen) override
    {
        calls.push_back("line:" + name(pen.colour));
    }
    void drawEllipse(const tk::PixelRectF& box, const std::optional<scene::Pen>&,
                     std::optional<tk::Colour> fill) override
    {
        std::ostringstream disc;
        disc << "disc@" << box.left << ',' << box.top << '/' << box.width << ':'
             << (fill ? name(*fill) : "none");
        calls.push_back(disc.str());
    }
    void drawRectangle(const tk::PixelRectF&, const std::optional<scene::Pen>&,
                       std::optional<tk::Colour>) override
    {
        calls.push_back("rectangle");
    }
    void drawText(const tk::PixelRectF&, const std::string& text, const tk::Font&, tk::Colour,
                  int) override
    {
        calls.push_back(text);
    }
    tk::PixelSize pictureSize(const tk::Picture& picture) const override
    {
        return static_cast<const FixedPicture&>(picture).size;
    }
    void drawPicture(const tk::Picture& picture, const tk::PixelRect&,
                     const tk::PixelRect&) override
    {
        calls.push_back(names.at(&picture));
    }
    void drawPictureFitted(const tk::Picture& picture, const tk::PixelRect&) override
    {
        calls.push_back(names.at(&picture));
    }
    void makeSprite(scene::SpriteId id, const scene::ShapeLook&) override
    {
        calls.push_back("+" + names.at(id));
    }
    void drawSprite(scene::SpriteId id, tk::PixelPoint at) override
    {
        calls.push_back(names.at(id) + "@" + std::to_string(at.x) + "," + std::to_string(at.y));
    }

private:
    std::string name(tk::Colour colour) const
    {
        const auto it = colours.find(colour);
        if (it != colours.end())
            return it->second;
        return "rgb(" + std::to_string(tk::redOf(colour)) + "," +
               std::to_string(tk::greenOf(colour)) + "," + std::to_string(tk::blueOf(colour)) + ")";
    }
};

// A face of each kind of element, in pixels: a window picture at the top left, a dot (a circle
// in a box of 40 x 30, 7 twips off whole pixels), a slanting hand from the middle, a label, a
// picture box over the middle and a hint text box. It collects what its changes leave to
// repaint, as its window reports them.
struct Face : tk::Window::Observer {
    tk::Window window{"Face"};
    tk::Shape dot{window, "dot"};
    tk::Line hand{window, "hand"};
    tk::Label label{window, "label"};
    tk::PictureBox centre{window, "centre"};
    tk::TextBox hint{window, "hint"};
    std::shared_ptr<FixedPicture> windowPicture =
        std::make_shared<FixedPicture>(tk::PixelSize{100, 50});
    std::shared_ptr<FixedPicture> centrePicture =
        std::make_shared<FixedPicture>(tk::PixelSize{60, 60});
    scene::FaceWalk walk{window, tk::Units(), kFaceSize};
    scene::RepaintAreas areas{window, tk::Units()};
    scene::Area repainted;
    RecordingCanvas canvas;

    Face()
    {
        window.setBackColor(tk::rgb(1, 1, 1));
        window.setPicture(windowPicture);
        dot.setShape(tk::ShapeKind::Circle);
        dot.move(px(600) + 7, px(100), px(40), px(30));
        hand.setBorderColor(tk::rgb(3, 3, 3));
        hand.setEnds(px(400), px(300), px(600), px(500));
        label.setCaption("twelve");
        label.move(px(380), px(40), px(40), px(20));
        centre.setBackColor(tk::rgb(4, 4, 4));
        centre.setPicture(centrePicture);
        centre.move(px(380), px(280), px(40), px(40));
        hint.setCaption("hint");
        hint.move(px(10), px(560), px(200), px(30));
        canvas.colours = {
            {tk::rgb(1, 1, 1), "back"}, {tk::rgb(3, 3, 3), "hand"}, {tk::rgb(4, 4, 4), "centre"}};
        canvas.names = {
            {&dot, "dot"}, {windowPicture.get(), "winpic"}, {centrePicture.get(), "cpic"}};
    }
    std::string paint(const scene::Area& area)
    {
        canvas.calls.clear();
        walk.paint(canvas, area);
        return canvas.order();
    }
    const scene::Area& repaintAfter(void (*change)(Face&))
    {
        window.setObserver(this);
        change(*this);
        window.setObserver(nullptr);
        return repainted;
    }

    void controlChanged(tk::Control& control, const tk::Bounds& before) override
    {
        repainted += areas.repaintArea(control, before);
    }
    void windowChanged() override {}
    void stackingChanged() override {}
    void shown() override {}
};

TEST(FaceWalk, PaintsInOrderWhatReachesTheAreaAndDrawsASpriteAnewOnlyForANewLook)
{
    struct Row {
        const char* name;
        bool paintedBefore; // the whole face, once before the change
        void (*change)(Face&);
        tk::PixelRect area;
        const char* calls;
    };
    const tk::PixelRect all{0, 0, 800, 600};
    const tk::PixelRect atDot{610, 110, 5, 5};
    const Row rows[] = {
        {"the whole face: back, window picture, light-weight controls from the back, picture "
         "boxes, text boxes; the dot's sprite 2 pixels round its square, on whole pixels",
         false, [](Face&) {}, all,
         "clip back winpic +dot dot@603,98 line:hand twelve centre cpic hint"},
        {"a control brought to the front is the last light-weight one painted", false,
         [](Face& f) { f.window.zOrder(f.dot, 0); }, all,
         "clip back winpic line:hand twelve +dot dot@603,98 centre cpic hint"},
        {"hidden controls are left out", false,
         [](Face& f) {
             f.dot.setVisible(false);
             f.centre.setVisible(false);
             f.hint.setVisible(false);
         },
         all, "clip back winpic line:hand twelve"},
        {"text boxes are left out when not shown", false,
         [](Face& f) { f.walk.setTextBoxesShown(false); }, all,
         "clip back winpic +dot dot@603,98 line:hand twelve centre cpic"},
        {"a corner far from everything paints the back alone",
         false,
         [](Face&) {},
         {700, 500, 20, 20},
         "clip back"},
        {"the window picture only where the area meets it",
         false,
         [](Face&) {},
         {90, 40, 20, 20},
         "clip back winpic"},
        {"a slanting line's box away from its stroke leaves the line out",
         false,
         [](Face&) {},
         {560, 320, 20, 20},
         "clip back"},
        {"a slanting line where the area meets its stroke",
         false,
         [](Face&) {},
         {495, 395, 10, 10},
         "clip back line:hand"},
        {"a picture box's edge paints the box and its picture",
         false,
         [](Face&) {},
         {418, 318, 5, 5},
         "clip back line:hand centre cpic"},
        {"a move copies the same sprite", true, [](Face& f) { f.dot.setLeft(px(605)); }, atDot,
         "clip back dot@608,98"},
        {"a new border colour", true, [](Face& f) { f.dot.setBorderColor(tk::rgb(9, 9, 9)); },
         atDot, "clip back +dot dot@603,98"},
        {"a new fill", true, [](Face& f) { f.dot.setBackStyle(tk::BackStyle::Opaque); }, atDot,
         "clip back +dot dot@603,98"},
        {"a new size", true, [](Face& f) { f.dot.setHeight(px(20)); }, atDot,
         "clip back +dot dot@608,98"},
        {"a width beyond the circle's side leaves its size", true,
         [](Face& f) { f.dot.setWidth(px(50)); }, atDot, "clip back dot@608,98"},
        {"a new kind of the same box", true, [](Face& f) { f.dot.setShape(tk::ShapeKind::Square); },
         atDot, "clip back +dot dot@603,98"},
        {"more device pixels", true, [](Face& f) { f.canvas.ratio = 2; }, atDot,
         "clip back +dot dot@603,98"},
    };
    for (const Row& row : rows) {
        Face face;
        if (row.paintedBefore)
            face.paint(all);
        row.change(face);
        EXPECT_EQ(face.paint(row.area), row.calls) << row.name;
    }
}

// A pixel that an area should or should not hold.
struct Probe {
    const char* fact;
    tk::PixelPoint point;
    bool held;
};

void expectHolds(const scene::Area& area, const std::vector<Probe>& probes, const char* name)
{
    for (const Probe& probe : probes)
        EXPECT_EQ(area.contains(probe.point), probe.held) << name << ": " << probe.fact;
}

TEST(RepaintAreas, RepaintWhatAChangeTouchedAndNothingHidden)
{
    struct Row {
        const char* name;
        bool handSeenBefore;
        void (*change)(Face&);
        std::vector<Probe> probes;
    };
    const auto turnHand = +[](Face& f) { f.hand.setEnds(px(400), px(300), px(200), px(500)); };
    const Row rows[] = {
        {"the line of a moved hand is repainted away in full, and drawn again in full",
         true,
         turnHand,
         {{"the old stroke's middle", {500, 400}, true},
          {"the old stroke's tip", {600, 500}, true},
          {"the new stroke's middle", {300, 400}, true},
          {"the new stroke's tip", {200, 500}, true},
          {"beside the old stroke, within its box", {580, 330}, false},
          {"the middle, under the picture box", {400, 300}, false}}},
        {"a hand first seen repaints the box it stood in before",
         false,
         turnHand,
         {{"beside the old stroke, within its box", {580, 330}, true},
          {"the new tip", {200, 500}, true}}},
        {"a moved shape repaints its old and new place with room for its pen",
         false,
         [](Face& f) { f.dot.setTop(px(200)); },
         {{"the old place", {620, 115}, true},
          {"the old place's antialiased edge", {597, 97}, true},
          {"the new place", {620, 215}, true},
          {"between them", {620, 165}, false}}},
        {"a picture box's own move repaints it, inside and out",
         false,
         [](Face& f) { f.centre.setLeft(px(100)); },
         {{"its old middle", {400, 300}, true}, {"its new middle", {120, 300}, true}}},
        {"a label moved under a picture box repaints only what the box leaves",
         false,
         [](Face& f) { f.label.setTop(px(310)); },
         {{"the old place", {400, 50}, true},
          {"the new place, under the box", {400, 315}, false},
          {"the new place, below the box", {400, 325}, true}}},
    };
    for (const Row& row : rows) {
        Face face;
        if (row.handSeenBefore)
            face.areas.repaintArea(face.hand, face.hand.bounds());
        expectHolds(face.repaintAfter(row.change), row.probes, row.name);
    }
}

TEST(Area, UnitesSubtractsAndMeetsRectangles)
{
    struct Row {
        const char* name;
        std::vector<tk::PixelRect> united;
        std::vector<tk::PixelRect> cut;
        std::vector<Probe> probes;
        tk::PixelRect bounding;
    };
    const Row rows[] = {
        {"overlapping rectangles make one area",
         {{0, 0, 10, 10}, {5, 5, 10, 10}},
         {},
         {{"in the first", {1, 1}, true},
          {"in the second", {14, 14}, true},
          {"past the right edge", {15, 5}, false}},
         {0, 0, 15, 15}},
        {"a cut leaves a frame around it",
         {{0, 0, 10, 10}},
         {{3, 3, 4, 4}},
         {{"the cut", {5, 5}, false},
          {"above it", {5, 2}, true},
          {"beside it", {7, 5}, true},
          {"below it", {3, 7}, true}},
         {0, 0, 10, 10}},
        {"a cut through overlapping rectangles takes the pixels from both",
         {{0, 0, 10, 10}, {5, 0, 10, 10}},
         {{4, 0, 3, 10}},
         {{"in both, cut", {5, 5}, false}, {"left of the cut", {3, 5}, true}},
         {0, 0, 15, 10}},
        {"an empty area", {}, {}, {{"the origin", {0, 0}, false}}, {0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        scene::Area area;
        for (const tk::PixelRect& rect : row.united)
            area += rect;
        for (const tk::PixelRect& rect : row.cut)
            area -= rect;
        expectHolds(area, row.probes, row.name);
        EXPECT_EQ(area.boundingRect(), row.bounding) << row.name;
    }
    // A rectangle meets the area when it shares a pixel with it. One of negative width
    // covers the pixels before its left edge; one of no width meets the area when it lies
    // across it; one of no width and no height meets nothing.
    const scene::Area area(tk::PixelRect(10, 10, 10, 10));
    const std::pair<tk::PixelRect, bool> meets[] = {
        {{19, 19, 5, 5}, true},  {{20, 10, 5, 5}, false},  {{0, 0, 10, 10}, false},
        {{22, 10, -5, 5}, true}, {{10, 10, -5, 5}, false}, {{15, 12, 0, 3}, true},
        {{20, 12, 0, 3}, false}, {{15, 15, 0, 0}, false}};
    for (const auto& [rect, meet] : meets)
        EXPECT_EQ(area.intersects(rect), meet)
            << rect.left << "," << rect.top << " " << rect.width << "x" << rect.height;
}

TEST(PictureFit, ShowsWholeOrScaledDownAndCentred)
{
    struct Row {
        const char* name;
        tk::PixelSize picture;
        tk::PixelRect box;
        tk::PixelSize shown;
        tk::PixelPoint at;
    };
    const Row rows[] = {
        {"a smaller picture shows whole, never enlarged",
         {20, 10},
         {0, 0, 100, 50},
         {20, 10},
         {40, 20}},
        {"a wide picture is scaled down to the box's width",
         {400, 100},
         {0, 0, 100, 100},
         {100, 25},
         {0, 37}},
        {"a tall picture is scaled down to the box's height",
         {100, 400},
         {0, 0, 100, 100},
         {25, 100},
         {37, 0}},
        {"a thin picture keeps at least a pixel", {1, 1000}, {0, 0, 50, 50}, {1, 50}, {24, 0}},
        {"a box of no size leaves the picture whole", {30, 30}, {10, 10, 0, 0}, {30, 30}, {-5, -5}},
    };
    for (const Row& row : rows) {
        const tk::PixelSize shown = scene::PictureFit::shownSize(row.picture, row.box.size());
        EXPECT_EQ(shown, row.shown) << row.name;
        EXPECT_EQ(scene::PictureFit::centredIn(row.box, shown), row.at) << row.name;
    }
}

TEST(BuiltInDrawing, SizesAndDiscs)
{
    struct Row {
        const char* name;
        tk::BuiltInPicture which;
        tk::PixelSize size;
        long discs;
        long hands;
        // The last disc drawn, which lies over the others in the middle.
        const char* middleDisc;
    };
    const Row rows[] = {
        {"the emblem: face, twelve marks, two hands, a hub",
         tk::BuiltInPicture::CentreEmblem,
         {49, 49},
         14,
         2,
         "disc@22.3,22.3/4.4:rgb(200,160,60)"},
        {"the 800 x 600 dial: three rings of twelve marks, two bands, a black middle",
         tk::BuiltInPicture::Dial800x600,
         {800, 600},
         39,
         0,
         "disc@327,227/146:rgb(0,0,0)"},
        {"the 1024 x 768 dial",
         tk::BuiltInPicture::Dial1024x768,
         {1024, 768},
         39,
         0,
         "disc@439,311/146:rgb(0,0,0)"},
        {"the 1280 x 1024 dial",
         tk::BuiltInPicture::Dial1280x1024,
         {1280, 1024},
         39,
         0,
         "disc@567,439/146:rgb(0,0,0)"},
    };
    for (const Row& row : rows) {
        const tk::PixelSize size = scene::BuiltInDrawing::sizeOf(row.which);
        EXPECT_EQ(size, row.size) << row.name;
        RecordingCanvas canvas;
        if (row.which == tk::BuiltInPicture::CentreEmblem)
            scene::BuiltInDrawing::drawCentreEmblem(canvas);
        else
            scene::BuiltInDrawing::drawDial(canvas, size);
        EXPECT_EQ(canvas.count("disc"), row.discs) << row.name;
        EXPECT_EQ(canvas.count("line"), row.hands) << row.name;
        EXPECT_EQ(canvas.calls.back(), row.middleDisc) << row.name;
    }
}

} // namespace
