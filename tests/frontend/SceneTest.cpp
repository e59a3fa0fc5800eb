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

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// At 96 dots per inch, 15 twips to a pixel.
constexpr float kTwips = 15;
constexpr tk::PixelSize kFaceSize{800, 600};

// A picture of a size the recording canvas reads.
class FixedPicture : public tk::Picture {
public:
    FixedPicture(int width, int height)
        : size{width, height}
    {
    }
    tk::PixelSize size;
};

// A face of each kind of element, each with a colour or text of its own, in pixels: a window
// picture at the top left, a dot, a slanting hand from the middle, a label, a picture box
// over the middle and a hint text box.
struct Face {
    tk::Window window{"Face"};
    tk::Shape dot{window, "dot"};
    tk::Line hand{window, "hand"};
    tk::Label label{window, "label"};
    tk::PictureBox centre{window, "centre"};
    tk::TextBox hint{window, "hint"};
    std::shared_ptr<FixedPicture> windowPicture = std::make_shared<FixedPicture>(100, 50);
    std::shared_ptr<FixedPicture> centrePicture = std::make_shared<FixedPicture>(60, 60);

    Face()
    {
        window.setBackColor(tk::rgb(1, 1, 1));
        window.setPicture(windowPicture);
        dot.setShape(tk::ShapeKind::Circle);
        dot.setBorderColor(tk::rgb(2, 2, 2));
        dot.move(px(600), px(100), px(40), px(30));
        hand.setBorderColor(tk::rgb(3, 3, 3));
        hand.setEnds(px(400), px(300), px(600), px(500));
        label.setCaption("twelve");
        label.move(px(380), px(40), px(40), px(20));
        centre.setBackColor(tk::rgb(4, 4, 4));
        centre.setPicture(centrePicture);
        centre.move(px(380), px(280), px(40), px(40));
        hint.setCaption("hint");
        hint.move(px(10), px(560), px(200), px(30));
    }
    static float px(int pixels) { return pixels * kTwips; }
};

// Records what the walk asks of a canvas, each call by the element it is for.
class RecordingCanvas : public scene::Canvas {
public:
    explicit RecordingCanvas(const Face& face)
    {
        m_colours = {{tk::rgb(1, 1, 1), "back"},
                     {tk::rgb(2, 2, 2), "dot"},
                     {tk::rgb(3, 3, 3), "hand"},
                     {tk::rgb(4, 4, 4), "centre"}};
        m_names = {{&face.dot, "dot"},
                   {face.windowPicture.get(), "window picture"},
                   {face.centrePicture.get(), "centre picture"}};
    }

    std::vector<std::string> calls;
    std::vector<tk::PixelPoint> spriteOrigins;
    double ratio = 1.0;

    // The calls with each run of the same call kept once, such as the bands of the back fill.
    std::vector<std::string> order() const
    {
        std::vector<std::string> seen;
        for (const std::string& call : calls) {
            if (std::find(seen.begin(), seen.end(), call) == seen.end())
                seen.push_back(call);
        }
        return seen;
    }
    int count(const std::string& call) const
    {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
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
        calls.push_back(nameOf(colour));
    }
    void drawLine(const tk::PixelLineF&, const scene::Pen& pen) override
    {
        calls.push_back(nameOf(pen.colour));
    }
    void drawEllipse(const tk::PixelRectF&, const std::optional<scene::Pen>&,
                     std::optional<tk::Colour>) override
    {
        calls.push_back("ellipse");
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
        calls.push_back(m_names.at(&picture));
    }
    void drawPictureFitted(const tk::Picture& picture, const tk::PixelRect&) override
    {
        calls.push_back(m_names.at(&picture));
    }
    void makeSprite(scene::SpriteId id, const scene::ShapeLook&) override
    {
        calls.push_back("new sprite " + m_names.at(id));
    }
    void drawSprite(scene::SpriteId id, tk::PixelPoint origin) override
    {
        calls.push_back(m_names.at(id));
        spriteOrigins.push_back(origin);
    }

private:
    std::string nameOf(tk::Colour colour) const
    {
        const auto it = m_colours.find(colour);
        return it == m_colours.end() ? "colour " + std::to_string(colour) : it->second;
    }

    std::map<tk::Colour, std::string> m_colours;
    std::map<const void*, std::string> m_names;
};

scene::Area wholeFace()
{
    return scene::Area(tk::PixelRect({0, 0}, kFaceSize));
}

TEST(FaceWalk, PaintsInOrderWhatReachesTheArea)
{
    struct Row {
        const char* name;
        std::function<void(Face&, scene::FaceWalk&)> change;
        scene::Area area;
        std::vector<std::string> order;
    };
    const std::vector<std::string> everything = {
        "clip", "back",   "window picture", "new sprite dot", "dot",
        "hand", "twelve", "centre",         "centre picture", "hint"};
    const Row rows[] = {
        {"the whole face: back, window picture, light-weight controls from the back, picture "
         "boxes, text boxes",
         nullptr, wholeFace(), everything},
        {"a control brought to the front is the last light-weight one painted",
         [](Face& face, scene::FaceWalk&) { face.window.zOrder(face.dot, 0); },
         wholeFace(),
         {"clip", "back", "window picture", "hand", "twelve", "new sprite dot", "dot", "centre",
          "centre picture", "hint"}},
        {"hidden controls are left out",
         [](Face& face, scene::FaceWalk&) {
             face.dot.setVisible(false);
             face.centre.setVisible(false);
             face.hint.setVisible(false);
         },
         wholeFace(),
         {"clip", "back", "window picture", "hand", "twelve"}},
        {"text boxes are left out when not shown",
         [](Face&, scene::FaceWalk& walk) { walk.setTextBoxesShown(false); },
         wholeFace(),
         {"clip", "back", "window picture", "new sprite dot", "dot", "hand", "twelve", "centre",
          "centre picture"}},
        {"a corner far from everything paints the back alone",
         nullptr,
         scene::Area(tk::PixelRect(700, 500, 20, 20)),
         {"clip", "back"}},
        {"the window picture only where the area meets it",
         nullptr,
         scene::Area(tk::PixelRect(90, 40, 20, 20)),
         {"clip", "back", "window picture"}},
        {"a slanting line's box away from its stroke leaves the line out",
         nullptr,
         scene::Area(tk::PixelRect(560, 320, 20, 20)),
         {"clip", "back"}},
        {"a slanting line where the area meets its stroke",
         nullptr,
         scene::Area(tk::PixelRect(495, 395, 10, 10)),
         {"clip", "back", "hand"}},
        {"a picture box's edge paints the box and its picture",
         nullptr,
         scene::Area(tk::PixelRect(418, 318, 5, 5)),
         {"clip", "back", "hand", "centre", "centre picture"}},
    };
    for (const Row& row : rows) {
        Face face;
        scene::FaceWalk walk(face.window, tk::Units(), kFaceSize);
        if (row.change)
            row.change(face, walk);
        RecordingCanvas canvas(face);
        walk.paint(canvas, row.area);
        EXPECT_EQ(canvas.order(), row.order) << row.name;
    }
}

TEST(FaceWalk, DrawsASpriteAnewOnlyWhenTheShapesLookChanges)
{
    struct Row {
        const char* name;
        std::function<void(Face&, RecordingCanvas&)> change;
        bool newSprite;
    };
    const Row rows[] = {
        {"a move copies the same sprite", [](Face& f, RecordingCanvas&) { f.dot.setLeft(0); },
         false},
        {"nothing changed", [](Face&, RecordingCanvas&) {}, false},
        {"a new border colour",
         [](Face& f, RecordingCanvas&) { f.dot.setBorderColor(tk::rgb(9, 9, 9)); }, true},
        {"a new fill", [](Face& f, RecordingCanvas&) { f.dot.setBackStyle(tk::BackStyle::Opaque); },
         true},
        {"a new size", [](Face& f, RecordingCanvas&) { f.dot.setHeight(Face::px(20)); }, true},
        {"a width beyond the circle's side leaves its size",
         [](Face& f, RecordingCanvas&) { f.dot.setWidth(Face::px(50)); }, false},
        {"a new kind", [](Face& f, RecordingCanvas&) { f.dot.setShape(tk::ShapeKind::Oval); },
         true},
        {"more device pixels", [](Face&, RecordingCanvas& canvas) { canvas.ratio = 2; }, true},
    };
    for (const Row& row : rows) {
        Face face;
        scene::FaceWalk walk(face.window, tk::Units(), kFaceSize);
        RecordingCanvas canvas(face);
        walk.paint(canvas, wholeFace());
        row.change(face, canvas);
        canvas.calls.clear();
        walk.paint(canvas, wholeFace());
        EXPECT_EQ(canvas.count("new sprite dot"), row.newSprite ? 1 : 0) << row.name;
        EXPECT_EQ(canvas.count("dot"), 1) << row.name;
    }
}

TEST(FaceWalk, PlacesASpriteOnWholePixelsAroundTheShapesSquare)
{
    Face face;
    face.dot.move(Face::px(600) + 7, Face::px(100), Face::px(40), Face::px(30));
    scene::FaceWalk walk(face.window, tk::Units(), kFaceSize);
    RecordingCanvas canvas(face);
    walk.paint(canvas, wholeFace());
    // A circle of 40 x 30 stands in the square of 30 at its middle, 605.47 across; its sprite
    // has 2 pixels of room all round.
    ASSERT_EQ(canvas.spriteOrigins.size(), 1u);
    EXPECT_EQ(canvas.spriteOrigins[0], (tk::PixelPoint{603, 98}));
}

struct Probe {
    const char* fact;
    tk::PixelPoint point;
    bool repainted;
};

// Collects what the changes of a window leave to repaint, as the window reports them: the
// control and the bounds it had before.
class RepaintRecorder : public tk::Window::Observer {
public:
    RepaintRecorder(tk::Window& window, scene::RepaintAreas& areas)
        : m_areas(areas)
    {
        window.setObserver(this);
    }
    const scene::Area& area() const { return m_area; }

    void controlChanged(tk::Control& control, const tk::Bounds& before) override
    {
        m_area += m_areas.repaintArea(control, before);
    }
    void windowChanged() override {}
    void stackingChanged() override {}
    void shown() override {}

private:
    scene::RepaintAreas& m_areas;
    scene::Area m_area;
};

TEST(RepaintAreas, RepaintWhatAChangeTouchedAndNothingHidden)
{
    struct Row {
        const char* name;
        bool handSeenBefore;
        std::function<void(Face&)> change;
        std::vector<Probe> probes;
    };
    const auto turnHand = [](Face& f) {
        f.hand.setEnds(Face::px(400), Face::px(300), Face::px(200), Face::px(500));
    };
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
         [](Face& f) { f.dot.setTop(Face::px(200)); },
         {{"the old place", {620, 115}, true},
          {"the old place's antialiased edge", {597, 97}, true},
          {"the new place", {620, 215}, true},
          {"between them", {620, 165}, false}}},
        {"a picture box's own move repaints it, inside and out",
         false,
         [](Face& f) { f.centre.setLeft(Face::px(100)); },
         {{"its old middle", {400, 300}, true}, {"its new middle", {120, 300}, true}}},
        {"a label moved under a picture box repaints only what the box leaves",
         false,
         [](Face& f) { f.label.setTop(Face::px(310)); },
         {{"the old place", {400, 50}, true},
          {"the new place, under the box", {400, 315}, false},
          {"the new place, below the box", {400, 325}, true}}},
    };
    for (const Row& row : rows) {
        Face face;
        scene::RepaintAreas areas(face.window, tk::Units());
        if (row.handSeenBefore)
            areas.repaintArea(face.hand, face.hand.bounds());
        RepaintRecorder recorder(face.window, areas);
        row.change(face);
        face.window.setObserver(nullptr);
        for (const Probe& probe : row.probes)
            EXPECT_EQ(recorder.area().contains(probe.point), probe.repainted)
                << row.name << ": " << probe.fact;
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
        for (const Probe& probe : row.probes)
            EXPECT_EQ(area.contains(probe.point), probe.repainted)
                << row.name << ": " << probe.fact;
        EXPECT_EQ(area.boundingRect(), row.bounding) << row.name;
    }
    // A rectangle meets the area when it shares a pixel with it. One of negative width
    // covers the pixels before its left edge; one of no width meets the area when it lies
    // across it; one of no width and no height meets nothing.
    const scene::Area area(tk::PixelRect(10, 10, 10, 10));
    const std::pair<tk::PixelRect, bool> meets[] = {
        {{19, 19, 5, 5}, true},  {{20, 10, 5, 5}, false},  {{0, 0, 10, 10}, false},
        {{22, 10, -5, 5}, true}, {{25, 10, -5, 5}, false}, {{15, 12, 0, 3}, true},
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
        {"a picture of the box's size fills it", {100, 50}, {5, 5, 100, 50}, {100, 50}, {5, 5}},
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

// Records the discs a built-in picture is drawn with.
class DiscRecorder : public RecordingCanvas {
public:
    explicit DiscRecorder(const Face& face)
        : RecordingCanvas(face)
    {
    }
    std::vector<std::pair<tk::PixelRectF, std::optional<tk::Colour>>> discs;
    int lines = 0;

    void drawEllipse(const tk::PixelRectF& box, const std::optional<scene::Pen>&,
                     std::optional<tk::Colour> fill) override
    {
        discs.emplace_back(box, fill);
    }
    void drawLine(const tk::PixelLineF&, const scene::Pen&) override { ++lines; }
};

TEST(BuiltInDrawing, SizesAndDiscs)
{
    struct Row {
        const char* name;
        tk::BuiltInPicture which;
        tk::PixelSize size;
        std::size_t discs;
        int hands;
        // The last disc drawn, which lies over the others in the middle.
        tk::PixelRectF middleDisc;
        tk::Colour middleColour;
    };
    const Row rows[] = {
        {"the emblem: face, twelve marks, two hands, a hub",
         tk::BuiltInPicture::CentreEmblem,
         {49, 49},
         14,
         2,
         {22.3, 22.3, 4.4, 4.4},
         tk::rgb(200, 160, 60)},
        {"the 800 x 600 dial: three rings of twelve marks, two bands, a black middle",
         tk::BuiltInPicture::Dial800x600,
         {800, 600},
         39,
         0,
         {327, 227, 146, 146},
         tk::kBlack},
        {"the 1024 x 768 dial",
         tk::BuiltInPicture::Dial1024x768,
         {1024, 768},
         39,
         0,
         {439, 311, 146, 146},
         tk::kBlack},
        {"the 1280 x 1024 dial",
         tk::BuiltInPicture::Dial1280x1024,
         {1280, 1024},
         39,
         0,
         {567, 439, 146, 146},
         tk::kBlack},
    };
    const Face face;
    for (const Row& row : rows) {
        const tk::PixelSize size = scene::BuiltInDrawing::sizeOf(row.which);
        EXPECT_EQ(size, row.size) << row.name;
        DiscRecorder canvas(face);
        if (row.which == tk::BuiltInPicture::CentreEmblem)
            scene::BuiltInDrawing::drawCentreEmblem(canvas);
        else
            scene::BuiltInDrawing::drawDial(canvas, size);
        ASSERT_EQ(canvas.discs.size(), row.discs) << row.name;
        EXPECT_EQ(canvas.lines, row.hands) << row.name;
        const auto& [box, fill] = canvas.discs.back();
        EXPECT_NEAR(box.left, row.middleDisc.left, 1e-9) << row.name;
        EXPECT_NEAR(box.top, row.middleDisc.top, 1e-9) << row.name;
        EXPECT_NEAR(box.width, row.middleDisc.width, 1e-9) << row.name;
        EXPECT_EQ(fill, row.middleColour) << row.name;
    }
}

} // namespace
