#include "FaceFit.h"

#include <gtest/gtest.h>

// How an embedded face is laid out and fitted into its window.

namespace {

TEST(FaceFit, LayoutIsTheWindowGrownToTheSmallestScreen)
{
    const std::vector<std::pair<QSize, QSize>> cases = {
        {{1920, 1080}, {1920, 1080}}, {{800, 600}, {800, 600}},  {{400, 300}, {800, 600}},
        {{200, 100}, {1200, 600}},    {{100, 600}, {800, 4800}}, {{0, 0}, {800, 600}},
    };
    for (const auto& [window, layout] : cases)
        EXPECT_EQ(FaceFit::layoutFor(window), layout) << window.width() << "x" << window.height();
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
