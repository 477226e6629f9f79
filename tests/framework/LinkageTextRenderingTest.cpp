#include "FrameworkTestSupport.h"
#include "Glycan.h"
#include "QPainterGraphics.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

// Writes a glycan in text mode through the QPainter surface and checks that the core text
// appears where the layout puts it, in a font that has the Greek letters of the linkages.

namespace {

const QRgb white = qRgb(255, 255, 255);
const std::string coreText = "Manβ1-4GlcNAcβ1-4GlcNAcβ1-Asn";

TEST(LinkageTextRendering, CoreTextEndsAtTheStartPointWithItsGreekLettersShown)
{
    EnsureApplication();
    Glycan::InitializeState();
    Glycan::GlyCode = {3, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Glycan::symbolSet = Glycan::TextMode;

    QImage image(640, 240, QImage::Format_RGB32);
    image.fill(white);
    QFont font;
    double coreWidth = 0.0;
    {
        QPainter painter(&image);
        fw::QPainterGraphics g(painter);
        // Scale 30 gives text size 20 and the start point (600 − 40, 120).
        Glycan::BuildStructure(&g, 600, 120, 30.0);
        font = g.Font();
        coreWidth = g.StringWidth(coreText);
    }
    Glycan::InitializeState();

    // The core's line: from the baseline up by the cap height, below the arms' labels.
    const int left = static_cast<int>(std::floor(560.0 - coreWidth));
    const QRect coreLine(left - 5, 120 - 15, 560 - left + 20, 16);
    const QRect ink = InkBounds(image.copy(coreLine), white).translated(coreLine.topLeft());
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR(ink.right(), 560, 3);
    EXPECT_NEAR(ink.left(), left, 4);
    int dark = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        for (int x = ink.left(); x <= ink.right(); ++x) {
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, ink.width() * ink.height() / 10);

    const QFontMetrics metrics(font);
    EXPECT_TRUE(metrics.inFont(QChar(0x03B2))) << font.family().toStdString(); // β
    EXPECT_TRUE(metrics.inFont(QChar(0x03B1))) << font.family().toStdString(); // α
}

} // namespace
