// Bitmap text through the glyph lists: placed at the raster origin on the baseline,
// advancing per character, with the Windows-1252 meaning of each code.

#include "headlessframe.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace orbisto {
namespace {

constexpr int Breite = 160, Hoehe = 60;
constexpr int X0 = 20, Y0 = 25;  // raster origin, window coordinates
const Rgba Weiss{255, 255, 255, 255};

// Draws cp1252 bytes in black at the raster origin on white.
Frame Schreiben(HeadlessFrame& frame, const std::string& text)
{
    return frame.render([&] {
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, Breite, 0, Hoehe, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glColor3f(0, 0, 0);
        glRasterPos2i(X0, Y0);
        glListBase(frame.fontBasis());
        glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
    });
}

// Ink box relative to the raster origin, y up (bottom 0 = sitting on the baseline).
struct Tinte {
    int pixel = 0, links = 0, rechts = -1, unten = 0, oben = -1;
};

Tinte TinteVon(const Frame& f)
{
    Tinte t{0, Breite, -Breite, Hoehe, -Hoehe};
    for (int y = 0; y < f.height(); ++y)
        for (int x = 0; x < f.width(); ++x)
            if (f.windowPixel(x, y) != Weiss) {
                ++t.pixel;
                t.links = std::min(t.links, x - X0);
                t.rechts = std::max(t.rechts, x - X0);
                t.unten = std::min(t.unten, y - Y0);
                t.oben = std::max(t.oben, y - Y0);
            }
    return t;
}

class GlyphListen : public ::testing::Test {
protected:
    HeadlessFrame frame{Breite, Hoehe};
};

TEST_F(GlyphListen, WordStartsAtRasterOriginOnBaseline)
{
    const Frame f = Schreiben(frame, "Orbisto");
    const Tinte t = TinteVon(f);
    // "Orbisto" has no descender: ink right of and above the origin, at cap height.
    EXPECT_EQ(t.unten, 0);
    EXPECT_GE(t.links, 0);
    EXPECT_LE(t.links, 2);
    EXPECT_GE(t.oben + 1, 9);
    EXPECT_LE(t.oben + 1, 11);
    EXPECT_GE(t.rechts, 35);
    EXPECT_LE(t.rechts, 55);
    const Rgba schwarz{0, 0, 0, 255};
    EXPECT_EQ(f.countPixels([&](Rgba c) { return c != Weiss && c != schwarz; }), 0) << "glyphs are not smoothed";

    const auto bitmaps = f.ofKind(PrimitiveKind::Bitmap);
    ASSERT_EQ(bitmaps.size(), 7u);
    EXPECT_NEAR(bitmaps[0].vertices[0].x, X0, 1e-3);
    EXPECT_NEAR(bitmaps[0].vertices[0].y, Y0, 1e-3);
    for (std::size_t i = 1; i < bitmaps.size(); ++i) {
        EXPECT_GT(bitmaps[i].vertices[0].x, bitmaps[i - 1].vertices[0].x) << "advance " << i;
        EXPECT_NEAR(bitmaps[i].vertices[0].y, Y0, 1e-3);
    }
    EXPECT_TRUE(bitmaps[0].hasColour(0, 0, 0));
}

TEST_F(GlyphListen, CodesMeanWindows1252Characters)
{
    const Tinte u = TinteVon(Schreiben(frame, "u"));
    const Tinte ue = TinteVon(Schreiben(frame, "\xFC"));  // ü
    const Tinte g = TinteVon(Schreiben(frame, "g"));
    const Tinte hoch2 = TinteVon(Schreiben(frame, "\xB2"));  // ²
    const Tinte euro = TinteVon(Schreiben(frame, "\x80"));   // €, not a C1 control code
    const Tinte mu = TinteVon(Schreiben(frame, "\xB5"));     // µ

    EXPECT_EQ(ue.unten, 0);
    EXPECT_GT(ue.oben, u.oben + 1) << "dots above the u";
    EXPECT_LT(g.unten, -1) << "descender below the baseline";
    EXPECT_GT(hoch2.unten, 2) << "superscript above the baseline";
    EXPECT_GT(euro.pixel, 15);
    EXPECT_LT(mu.unten, -1);
}

TEST_F(GlyphListen, BlanksAdvanceAndUnusedCodesDrawNothing)
{
    const Frame f = Schreiben(frame, std::string(" \x01\xFF", 3));
    EXPECT_EQ(f.countOther(Weiss), 0);
    // The blank is a bitmap without pixels that only moves the raster position; code 1 is
    // an empty list and code 255 has no list at all.
    const auto bitmaps = f.ofKind(PrimitiveKind::Bitmap);
    ASSERT_EQ(bitmaps.size(), 1u);

    const auto zwei = Schreiben(frame, " H").ofKind(PrimitiveKind::Bitmap);
    ASSERT_EQ(zwei.size(), 2u);
    EXPECT_GE(zwei[1].vertices[0].x - X0, 3);
    EXPECT_LE(zwei[1].vertices[0].x - X0, 4);
}

}  // namespace
}  // namespace orbisto
