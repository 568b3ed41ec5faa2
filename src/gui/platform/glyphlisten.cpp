#include "platform/glyphlisten.h"

#include <GL/gl.h>

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace orbisto {

namespace {

constexpr int ListenAnzahl = 256;
constexpr int GlyphenAnzahl = 255;  // codes 0..254; list 255 stays empty
constexpr int PixelGroesse = 13;    // 10 pt on a 96 dpi screen, at a device pixel ratio of 1

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five unused codes.
constexpr char16_t Cp1252Oben[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// Unicode of a cp1252 code; 0 for control codes and unused codes, which get no glyph.
char16_t Unicode(int code)
{
    if (code < 0x20 || code == 0x7F)
        return 0;
    if (code >= 0x80 && code < 0xA0)
        return Cp1252Oben[code - 0x80];
    return static_cast<char16_t>(code);
}

struct Glyphe {
    int breite = 0, hoehe = 0;  // size of the ink box in pixels
    int xUrsprung = 0;          // pen position measured from the box's left edge
    int yUrsprung = 0;          // baseline measured from the box's bottom edge
    int vorschub = 0;           // advance
    std::vector<GLubyte> bits;  // rows bottom first, MSB first, byte aligned
};

Glyphe Rastern(const QFont& font, const QFontMetrics& fm, QChar zeichen)
{
    Glyphe g;
    g.vorschub = fm.horizontalAdvance(zeichen);

    // A cell with room for overhangs on every side (italic-like tails, 'j', accents).
    const int rand = font.pixelSize();
    const int w = g.vorschub + 2 * rand;
    const int h = fm.ascent() + fm.descent() + 2 * rand;
    const int penX = rand;
    const int grundlinie = rand + fm.ascent();

    QImage bild(w, h, QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        QPainter p(&bild);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QPoint(penX, grundlinie), QString(zeichen));
    }

    // Ink = darker than half; the font is already unantialiased, this only guards against
    // a platform that smooths anyway.
    auto tinte = [&](int x, int y) { return qGray(bild.pixel(x, y)) < 128; };
    int links = w, rechts = -1, oben = h, unten = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (tinte(x, y)) {
                links = std::min(links, x);
                rechts = std::max(rechts, x);
                oben = std::min(oben, y);
                unten = std::max(unten, y);
            }
    if (rechts < 0)
        return g;  // blank: only the advance

    g.breite = rechts - links + 1;
    g.hoehe = unten - oben + 1;
    g.xUrsprung = penX - links;
    g.yUrsprung = unten + 1 - grundlinie;
    const int zeilenBytes = (g.breite + 7) / 8;
    g.bits.assign(static_cast<std::size_t>(zeilenBytes) * g.hoehe, 0);
    for (int r = 0; r < g.hoehe; ++r) {
        const int y = unten - r;  // GL bitmaps start with the bottom row
        for (int c = 0; c < g.breite; ++c)
            if (tinte(links + c, y))
                g.bits[r * zeilenBytes + c / 8] |= static_cast<GLubyte>(0x80 >> (c % 8));
    }
    return g;
}

}  // namespace

unsigned int FontListenAnlegen(tSchriftMasse& masse, double pixelverhaeltnis)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw std::runtime_error("Glyph lists: a QGuiApplication is needed to rasterise the font");
    const GLuint basis = glGenLists(ListenAnzahl);
    if (basis == 0)
        throw std::runtime_error("Glyph lists: glGenLists failed (no current GL context?)");

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(PixelGroesse, static_cast<int>(std::lround(PixelGroesse * pixelverhaeltnis))));
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics fm(font);
    masse = {};
    masse.Oberlaenge = fm.ascent();
    masse.Unterlaenge = fm.descent();

    // glBitmap copies the bitmap into the list with the unpack state of compile time.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    for (int code = 0; code < GlyphenAnzahl; ++code) {
        glNewList(basis + code, GL_COMPILE);
        if (const char16_t u = Unicode(code)) {
            // Mesa leaves a glBitmap with a null pointer out of the list, and a blank would
            // then not advance: blanks point at a dummy byte.
            static const GLubyte leer = 0;
            const Glyphe g = Rastern(font, fm, QChar(u));
            masse.Vorschub[code] = static_cast<std::uint16_t>(std::max(g.vorschub, 0));
            glBitmap(g.breite, g.hoehe, static_cast<GLfloat>(g.xUrsprung), static_cast<GLfloat>(g.yUrsprung),
                     static_cast<GLfloat>(g.vorschub), 0.0f, g.bits.empty() ? &leer : g.bits.data());
        }
        glEndList();
    }
    glPopClientAttrib();
    return basis;
}

void FontListenFreigeben(unsigned int basis)
{
    if (basis != 0)
        glDeleteLists(basis, ListenAnzahl);
}

}  // namespace orbisto
