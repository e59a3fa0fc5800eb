#include "LaidOutText.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Text needs an application with fonts; the offscreen platform gives one without a display.
class LaidOutTextTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tikora_platform_tests";
        static char* argv[] = {name, nullptr};
        s_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    static void TearDownTestSuite() { s_app.reset(); }

    // The text drawn on a grey image of `ratio` device pixels to a pixel and clipped to its box
    // as the face clips it, by drawText or laid out once and drawn twice, as the face draws a
    // figure tick after tick.
    static QImage drawn(const QString& text, const QFont& font, const QRectF& box, int flags,
                        double ratio, bool laidOut)
    {
        QImage image(QSize(160, 60) * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(QColor(40, 60, 80));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font);
        painter.setPen(QColor(255, 128, 128));
        painter.setClipRect(box);
        if (!laidOut) {
            painter.drawText(box, flags | Qt::TextSingleLine, text);
            return image;
        }
        const LaidOutText line(text, painter.font());
        line.draw(painter, box, flags);
        image.fill(QColor(40, 60, 80));
        line.draw(painter, box, flags);
        return image;
    }

    static inline std::unique_ptr<QGuiApplication> s_app;
};

// Every pixel as drawText gives it, for figures and captions, each alignment the face uses, boxes
// at fractions of a pixel and screens of whole and fractional ratios.
TEST_F(LaidOutTextTest, DrawsThePixelsOfDrawText)
{
    QFont plain("DejaVu Sans");
    plain.setPixelSize(17);
    QFont decorated("Liberation Serif");
    decorated.setPointSizeF(13.5);
    decorated.setBold(true);
    decorated.setItalic(true);
    decorated.setUnderline(true);
    const struct {
        QString text;
        QFont font;
        int flags;
    } cases[] = {
        {"7", plain, Qt::AlignHCenter | Qt::AlignTop},
        {"59", decorated, Qt::AlignHCenter | Qt::AlignTop},
        {"Tikora Clock", plain, Qt::AlignLeft | Qt::AlignVCenter},
        {"Нажмите  ", decorated, Qt::AlignRight | Qt::AlignTop},
        {"  32", plain, Qt::AlignHCenter | Qt::AlignVCenter},
    };
    const QRectF boxes[] = {QRectF(10, 8, 60, 30), QRectF(20.37, 5.61, 47.3, 21.9),
                            QRectF(3.5, 12.25, 140.5, 40), QRectF(6.2, 3.3, 150, 23.7),
                            QRectF(1, 0.5, 151.75, 27.35)};
    for (const auto& c : cases) {
        for (const QRectF& box : boxes) {
            for (const double ratio : {1.0, 1.25, 1.5, 2.0}) {
                SCOPED_TRACE(c.text.toStdString() + " at " + std::to_string(box.x()) + " x" +
                             std::to_string(ratio));
                EXPECT_EQ(drawn(c.text, c.font, box, c.flags, ratio, true),
                          drawn(c.text, c.font, box, c.flags, ratio, false));
            }
        }
    }
}

// Line breaks, tabs and length forms are drawText's to turn into something else first.
TEST_F(LaidOutTextTest, LeavesToDrawTextWhatItWouldChangeFirst)
{
    const struct {
        const char* utf8;
        bool laidOut;
    } cases[] = {
        {"12", true},    {"Привет мир", true},        {"", false}, {"a\nb", false}, {"a\rb", false},
        {"a\tb", false}, {"long\xc2\x9cshort", false}};
    for (const auto& c : cases)
        EXPECT_EQ(LaidOutText::canLayOut(c.utf8), c.laidOut) << c.utf8;
}

} // namespace
