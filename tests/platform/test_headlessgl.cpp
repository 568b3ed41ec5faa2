// The headless context and the drawing fixture: pixels come back the right way up,
// feedback sees what GL drew after culling, resizing keeps the context usable.

#include "headlessframe.h"
#include "platform/headlessgl.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace orbisto {
namespace {

// Pixel units with the origin in the lower left corner.
void PixelProjektion(int w, int h)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, 0, h, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Loeschen(float r, float g, float b)
{
    glClearColor(r, g, b, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

TEST(HeadlessGL, EmptySurfaceIsRefusedAndLeavesEglUsable)
{
    EXPECT_THROW(HeadlessGL(0, 10), std::runtime_error);
    HeadlessGL gl(8, 4);
    EXPECT_EQ(gl.readPixels().size(), 8u * 4u * 4u);
}

TEST(HeadlessGL, SamplesSmoothAnEdgeOnlyWhenAskedFor)
{
    // A white triangle on black: with samples its slanted edge has grey pixels, without
    // them every pixel is black or white, as the tests that count colours rely on.
    for (const int samples : {0, 4}) {
        SCOPED_TRACE(samples);
        HeadlessFrame frame(40, 40, samples);
        ASSERT_EQ(frame.gl().samples(), samples) << "Mesa offers 4 samples on pbuffers";
        const Frame f = frame.render([] {
            Loeschen(0, 0, 0);
            PixelProjektion(40, 40);
            glDisable(GL_CULL_FACE);
            glBegin(GL_TRIANGLES);
            glVertex2f(2, 3);
            glVertex2f(37, 11);
            glVertex2f(9, 36);
            glEnd();
        });
        const int grau = f.countPixels([](Rgba c) { return c.r > 0 && c.r < 255; });
        if (samples == 0)
            EXPECT_EQ(grau, 0);
        else
            EXPECT_GT(grau, 40);
    }
}

TEST(HeadlessFrame, ClearColourAndRowOrder)
{
    HeadlessFrame frame(40, 30);
    const Frame f = frame.render([] {
        Loeschen(0, 0, 1);
        // Red only in the upper third of the window.
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, 20, 40, 10);
        Loeschen(1, 0, 0);
    });
    ASSERT_EQ(f.width(), 40);
    ASSERT_EQ(f.height(), 30);
    EXPECT_EQ(f.pixel(5, 2), (Rgba{255, 0, 0, 255})) << "top row first";
    EXPECT_EQ(f.pixel(5, 27), (Rgba{0, 0, 255, 255}));
    EXPECT_EQ(f.windowPixel(5, 27), (Rgba{255, 0, 0, 255})) << "window y from the bottom";
    EXPECT_EQ(f.countPixels([](Rgba c) { return c.r == 255; }), 40 * 10);
    EXPECT_EQ(f.glError(), GLenum(GL_NO_ERROR));
}

TEST(HeadlessFrame, FeedbackShowsFrontFacesAfterCulling)
{
    HeadlessFrame frame(100, 80);
    struct Fall {
        const char* name;
        bool gegenUhrzeigersinn;
        int polygone;
    };
    for (const Fall& fall : {Fall{"front", true, 1}, Fall{"back", false, 0}}) {
        SCOPED_TRACE(fall.name);
        const Frame f = frame.render([&] {
            Loeschen(0, 0, 0);
            PixelProjektion(100, 80);
            glEnable(GL_CULL_FACE);
            glColor3f(1, 0.5f, 0);
            glBegin(GL_TRIANGLES);
            glVertex2f(10, 10);
            if (fall.gegenUhrzeigersinn) {
                glVertex2f(60, 10);
                glVertex2f(10, 50);
            } else {
                glVertex2f(10, 50);
                glVertex2f(60, 10);
            }
            glEnd();
        });
        ASSERT_EQ(f.count(PrimitiveKind::Polygon), fall.polygone);
        const Rgba innen = f.windowPixel(20, 20);
        if (fall.polygone == 0) {
            EXPECT_EQ(innen, (Rgba{0, 0, 0, 255}));
            continue;
        }
        EXPECT_EQ(innen, (Rgba{255, 128, 0, 255}));
        const Primitive p = f.ofKind(PrimitiveKind::Polygon)[0];
        EXPECT_TRUE(p.hasColour(1, 0.5f, 0)) << p;
        ASSERT_EQ(p.vertices.size(), 3u);
        const float erwartet[3][2] = {{10, 10}, {60, 10}, {10, 50}};
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(p.vertices[i].x, erwartet[i][0], 1e-3) << p;
            EXPECT_NEAR(p.vertices[i].y, erwartet[i][1], 1e-3) << p;
            EXPECT_NEAR(p.vertices[i].z, 0.5, 1e-3) << p;
        }
    }
}

TEST(HeadlessFrame, ClippingAndMarkersInFeedback)
{
    HeadlessFrame frame(50, 50);
    const Frame f = frame.render([] {
        Loeschen(0, 0, 0);
        PixelProjektion(50, 50);
        glPassThrough(1);
        glColor3f(0, 1, 0);
        glBegin(GL_LINES);
        glVertex2f(-100, 25);  // clipped to the left edge
        glVertex2f(25, 25);
        glVertex2f(200, 0);  // entirely outside: nothing drawn
        glVertex2f(300, 0);
        glEnd();
        glPassThrough(2);
        glBegin(GL_POINTS);
        glVertex2f(5, 5);
        glEnd();
    });
    const auto linien = f.section(1);
    ASSERT_EQ(linien.size(), 1u);
    EXPECT_EQ(linien[0].kind, PrimitiveKind::Line);
    EXPECT_NEAR(linien[0].vertices[0].x, 0, 1e-3);
    EXPECT_NEAR(linien[0].vertices[1].x, 25, 1e-3);
    EXPECT_EQ(f.section(2).size(), 1u);
    EXPECT_EQ(f.inColour(0, 1, 0).size(), 2u);
    EXPECT_EQ(f.count(PrimitiveKind::PassThrough), 2);
}

TEST(HeadlessFrame, ResizeKeepsContextAndLists)
{
    HeadlessFrame frame(20, 20);
    const unsigned int basis = frame.fontBasis();
    frame.resize(64, 32);
    ASSERT_EQ(frame.width(), 64);
    ASSERT_EQ(frame.height(), 32);
    const Frame f = frame.render([&] {
        Loeschen(1, 1, 1);
        PixelProjektion(64, 32);
        glColor3f(0, 0, 0);
        glRasterPos2i(2, 10);
        glListBase(basis);
        glCallLists(1, GL_UNSIGNED_BYTE, "H");
    });
    EXPECT_EQ(f.width(), 64);
    EXPECT_EQ(f.height(), 32);
    EXPECT_EQ(f.pixel(63, 0), (Rgba{255, 255, 255, 255})) << "viewport covers the new size";
    EXPECT_EQ(f.count(PrimitiveKind::Bitmap), 1);
    EXPECT_GT(f.countOther({255, 255, 255, 255}), 10);
}

TEST(HeadlessFrame, RunsStartFromTheSameState)
{
    // Without the state being put back, the second (feedback) run would inherit the
    // colour and the enabled cull face of the first one.
    HeadlessFrame frame(30, 30);
    int laeufe = 0;
    const Frame f = frame.render([&] {
        PixelProjektion(30, 30);
        if (laeufe++ == 0) {
            glColor3f(1, 0, 0);
            glFrontFace(GL_CW);
        }
        glBegin(GL_TRIANGLES);
        glVertex2f(1, 1);
        glVertex2f(20, 1);
        glVertex2f(1, 20);
        glEnd();
    });
    ASSERT_EQ(f.count(PrimitiveKind::Polygon), 1);
    EXPECT_TRUE(f.ofKind(PrimitiveKind::Polygon)[0].hasColour(1, 1, 1));
}

}  // namespace
}  // namespace orbisto
