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

} // namespace
