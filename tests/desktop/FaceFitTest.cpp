#include "FaceFit.h"

#include <gtest/gtest.h>

// How an embedded face is laid out and fitted into its window.

namespace {

TEST(FaceFit, LayoutIsTheWindowGrownToTheSmallestScreenAndHeldToTheLargest)
{
    const QSize large(7680, 7680);
    const QSize screen(1024, 768);
    const std::vector<std::tuple<QSize, QSize, QSize>> cases = {
        {{1920, 1080}, large, {1920, 1080}},   {{800, 600}, large, {800, 600}},
        {{400, 300}, large, {800, 600}},       {{200, 100}, large, {1200, 600}},
        {{100, 600}, large, {800, 4800}},      {{0, 0}, large, {800, 600}},
        {{32767, 32767}, screen, {1024, 768}}, {{16000, 12000}, screen, {1024, 768}},
        {{1, 1}, screen, {800, 768}},          {{1, 32767}, screen, {800, 768}},
        {{400, 300}, {640, 480}, {800, 600}},
    };
    for (const auto& [window, largest, layout] : cases)
        EXPECT_EQ(FaceFit::layoutFor(window, largest), layout)
            << window.width() << "x" << window.height();
}

TEST(FaceFit, FaceIsScaledToFitWholeAndCentred)
{
    struct Case {
        QSize layout;
        QSize window;
        QRect face;
    };
    const std::vector<Case> cases = {
        {{800, 600}, {400, 300}, {0, 0, 400, 300}},
        {{800, 600}, {800, 600}, {0, 0, 800, 600}},
        // A window that changed its shape later: the face keeps its own, centred.
        {{800, 600}, {1000, 600}, {100, 0, 800, 600}},
        {{800, 600}, {400, 600}, {0, 150, 400, 300}},
        {{800, 600}, {1600, 1200}, {0, 0, 1600, 1200}},
    };
    for (const Case& c : cases) {
        FaceFit fit(c.layout);
        fit.fitInto(c.window);
        const QRectF face = fit.transform().mapRect(QRectF(QPointF(0, 0), c.layout));
        EXPECT_EQ(face.toRect(), c.face) << c.window.width() << "x" << c.window.height();
    }
}

} // namespace
