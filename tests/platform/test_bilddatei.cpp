// JPEG pictures: what the file holds (baseline, quality 90, the exact size, the colours in
// their places), and that a failed write leaves the file that was there.

#include "platform/bilddatei.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace orbisto {
namespace {

namespace fs = std::filesystem;

// The example tables of the JPEG standard (Annex K), row by row.
constexpr int LuminanzBasis[64] = {16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
                                   14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
                                   18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
                                   49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr int ChrominanzBasis[64] = {17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
                                     24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
                                     99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
                                     99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
// Where the k-th value of a DQT segment sits in the 8x8 block (zigzag order).
constexpr int Zickzack[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
                              41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
                              30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// A DQT table as quality 90 makes it by the usual scaling of the example tables: quality q
// above 50 scales by 200 - 2q percent, rounded, and at least 1.
std::vector<int> Qualitaet90(const int (&basis)[64])
{
    std::vector<int> dqt(64);
    for (int k = 0; k < 64; ++k)
        dqt[k] = std::clamp((basis[Zickzack[k]] * 20 + 50) / 100, 1, 255);
    return dqt;
}

// The markers of a JPEG file up to its first scan.
struct Aufbau {
    std::vector<int> rahmen;                   // SOFn markers (0xC0 ...)
    std::map<int, std::vector<int>> tabellen;  // DQT by table id
    int breite = 0, hoehe = 0, komponenten = 0;
};

Aufbau Lesen(const std::string& d)
{
    Aufbau a;
    const auto byte = [&](std::size_t i) { return static_cast<int>(static_cast<unsigned char>(d.at(i))); };
    EXPECT_EQ(byte(0), 0xFF);
    EXPECT_EQ(byte(1), 0xD8);
    for (std::size_t i = 2; i + 4 <= d.size();) {
        EXPECT_EQ(byte(i), 0xFF);
        const int marker = byte(i + 1);
        const std::size_t laenge = static_cast<std::size_t>(byte(i + 2) << 8 | byte(i + 3));
        const std::size_t inhalt = i + 4;
        if (marker == 0xDA)
            break;
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            a.rahmen.push_back(marker);
            a.hoehe = byte(inhalt + 1) << 8 | byte(inhalt + 2);
            a.breite = byte(inhalt + 3) << 8 | byte(inhalt + 4);
            a.komponenten = byte(inhalt + 5);
        }
        if (marker == 0xDB)
            for (std::size_t t = inhalt; t < i + 2 + laenge; t += 65) {
                EXPECT_EQ(byte(t) >> 4, 0) << "8-bit table";
                std::vector<int>& tabelle = a.tabellen[byte(t) & 15];
                for (int k = 0; k < 64; ++k)
                    tabelle.push_back(byte(t + 1 + static_cast<std::size_t>(k)));
            }
        i += 2 + laenge;
    }
    return a;
}

// The decoded pixels, RGB, top row first.
std::vector<std::uint8_t> Dekodieren(const std::string& d, int& breite, int& hoehe)
{
    jpeg_decompress_struct info;
    jpeg_error_mgr fehler;
    info.err = jpeg_std_error(&fehler);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(d.data()), static_cast<unsigned long>(d.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    breite = static_cast<int>(info.output_width);
    hoehe = static_cast<int>(info.output_height);
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(breite) * hoehe * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW zeile = rgb.data() + static_cast<std::size_t>(info.output_scanline) * breite * 3;
        jpeg_read_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return rgb;
}

// Red on the left, blue on the right, rows padded beyond the pixels like a QImage's.
struct Bild {
    int breite, hoehe;
    std::size_t abstand;
    std::vector<std::uint8_t> daten;

    Bild(int b, int h) : breite(b), hoehe(h), abstand(static_cast<std::size_t>(b) * 3 + 5), daten(abstand * h, 0x77)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < b; ++x) {
                std::uint8_t* p = &daten[y * abstand + static_cast<std::size_t>(x) * 3];
                p[0] = x < b / 2 ? 220 : 20;
                p[1] = 40;
                p[2] = x < b / 2 ? 20 : 220;
            }
    }
};

TEST(Bilddatei, JpegIsBaselineQuality90InExactlyTheGivenSize)
{
    const std::vector<int> luminanz = Qualitaet90(LuminanzBasis), chrominanz = Qualitaet90(ChrominanzBasis);
    for (const auto& [breite, hoehe] : {std::pair{1, 1}, std::pair{37, 21}, std::pair{600, 620}}) {
        SCOPED_TRACE(std::to_string(breite) + "x" + std::to_string(hoehe));
        const Bild bild(breite, hoehe);
        const std::string jpeg = JpegKodieren(bild.daten.data(), breite, hoehe, bild.abstand);

        const Aufbau a = Lesen(jpeg);
        EXPECT_EQ(a.rahmen, std::vector<int>{0xC0}) << "one baseline frame, nothing progressive";
        EXPECT_EQ(a.breite, breite);
        EXPECT_EQ(a.hoehe, hoehe);
        EXPECT_EQ(a.komponenten, 3) << "full colour";
        ASSERT_EQ(a.tabellen.size(), 2u);
        EXPECT_EQ(a.tabellen.at(0), luminanz);
        EXPECT_EQ(a.tabellen.at(1), chrominanz);

        int b = 0, h = 0;
        const std::vector<std::uint8_t> rgb = Dekodieren(jpeg, b, h);
        ASSERT_EQ(b, breite);
        ASSERT_EQ(h, hoehe);
        if (breite < 8)
            continue;  // no half is a block wide
        const auto nahe = [](int ist, int soll) { return std::abs(ist - soll) <= 12; };
        for (const int x : {breite / 8, breite - 1 - breite / 8}) {
            const std::uint8_t* p = &rgb[(static_cast<std::size_t>(hoehe / 2) * breite + x) * 3];
            const bool links = x < breite / 2;
            EXPECT_TRUE(nahe(p[0], links ? 220 : 20) && nahe(p[1], 40) && nahe(p[2], links ? 20 : 220))
                << "x " << x << ": " << int(p[0]) << "," << int(p[1]) << "," << int(p[2]);
        }
    }
}

class BilddateiAufPlatte : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner = fs::temp_directory_path() / ("orbisto-bilddatei-" + std::to_string(::getpid()));
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }

    std::vector<std::string> Dateien() const
    {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(ordner))
            namen.push_back(e.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    }
    static std::string Inhalt(const fs::path& p)
    {
        std::ifstream f(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }

    fs::path ordner;
};

// Refuses to let files grow beyond `bytes` while it lives; root is bound by it too.
class DateiGroesseBegrenzt {
public:
    explicit DateiGroesseBegrenzt(rlim_t bytes)
    {
        alterSignal_ = std::signal(SIGXFSZ, SIG_IGN);  // write fails with EFBIG instead
        ::getrlimit(RLIMIT_FSIZE, &alt_);
        rlimit neu = alt_;
        neu.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~DateiGroesseBegrenzt()
    {
        ::setrlimit(RLIMIT_FSIZE, &alt_);
        std::signal(SIGXFSZ, alterSignal_);
    }

private:
    rlimit alt_{};
    void (*alterSignal_)(int);
};

TEST_F(BilddateiAufPlatte, WriteReplacesTheFileOrLeavesItAsItWas)
{
    const fs::path datei = ordner / "bild.jpg";
    const Bild bild(600, 620);
    JpegSpeichern(datei.string(), bild.daten.data(), bild.breite, bild.hoehe, bild.abstand);
    EXPECT_EQ(Inhalt(datei), JpegKodieren(bild.daten.data(), bild.breite, bild.hoehe, bild.abstand));
    EXPECT_EQ(Dateien(), std::vector<std::string>{"bild.jpg"});

    std::ofstream(datei, std::ios::binary | std::ios::trunc) << "alt";
    fs::create_directory(ordner / "ordner.jpg");
    const struct {
        std::string name;
        fs::path ziel;
        int breite;
        std::string meldung;
        bool platteVoll = false;
    } faelle[] = {
        {"target folder missing", ordner / "fehlt" / "bild.jpg", 600, "Datei oder Verzeichnis nicht gefunden"},
        {"target is a folder", ordner / "ordner.jpg", 600, "Das ist ein Verzeichnis"},
        {"write fails half-way", datei, 600, "Die Datei wird zu groß", true},
        {"nothing to encode", datei, 0, "0 × 620 Pixel"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        try {
            std::optional<DateiGroesseBegrenzt> grenze;
            if (f.platteVoll)
                grenze.emplace(1000);
            JpegSpeichern(f.ziel.string(), bild.daten.data(), f.breite, bild.hoehe, bild.abstand);
            ADD_FAILURE() << "written";
        } catch (const BilddateiFehler& e) {
            const std::string meldung = e.what();
            EXPECT_NE(meldung.find(f.meldung), std::string::npos) << meldung;
            if (f.breite > 0) {
                EXPECT_NE(meldung.find("„" + f.ziel.string() + "“"), std::string::npos) << meldung;
            }
        }
        EXPECT_EQ(Inhalt(datei), "alt");
        EXPECT_EQ(Dateien(), (std::vector<std::string>{"bild.jpg", "ordner.jpg"})) << "no temporary file left";
    }
}

}  // namespace
}  // namespace orbisto
