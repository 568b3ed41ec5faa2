#include "platform/bilddatei.h"

#include "core/dateien.h"

#include <QBuffer>
#include <QImage>

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE

#include <jerror.h>
#include <jpeglib.h>

namespace orbisto {

namespace {

// libjpeg reports errors through error_exit, which must not return. It jumps back to the
// encoder with the library's message; a C++ exception must not unwind through C frames.
struct Fehlerziel {
    jpeg_error_mgr pub;
    std::jmp_buf sprung;
    char meldung[JMSG_LENGTH_MAX];
};

void FehlerAusgang(j_common_ptr info)
{
    auto* ziel = reinterpret_cast<Fehlerziel*>(info->err);
    info->err->format_message(info, ziel->meldung);
    std::longjmp(ziel->sprung, 1);
}

void WarnungStill(j_common_ptr, int) {}

// Collects the encoder's output in a string, a buffer at a time.
struct Speicherziel {
    jpeg_destination_mgr pub;
    std::string* daten;
    bool ohneSpeicher;
    JOCTET puffer[16384];
};

void ZielStart(j_compress_ptr info)
{
    auto* ziel = reinterpret_cast<Speicherziel*>(info->dest);
    ziel->pub.next_output_byte = ziel->puffer;
    ziel->pub.free_in_buffer = sizeof ziel->puffer;
}

void Anhaengen(j_compress_ptr info, std::size_t n)
{
    auto* ziel = reinterpret_cast<Speicherziel*>(info->dest);
    try {
        ziel->daten->append(reinterpret_cast<const char*>(ziel->puffer), n);
    } catch (...) {
        ziel->ohneSpeicher = true;
    }
    // Outside the catch block: the jump must not leave an exception behind.
    if (ziel->ohneSpeicher)
        ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    ziel->pub.next_output_byte = ziel->puffer;
    ziel->pub.free_in_buffer = sizeof ziel->puffer;
}

boolean ZielVoll(j_compress_ptr info)
{
    Anhaengen(info, sizeof reinterpret_cast<Speicherziel*>(info->dest)->puffer);
    return TRUE;
}

void ZielEnde(j_compress_ptr info)
{
    auto* ziel = reinterpret_cast<Speicherziel*>(info->dest);
    Anhaengen(info, sizeof ziel->puffer - ziel->pub.free_in_buffer);
}

// Everything between setjmp and the jump back holds only plain C data, so no destructor is
// skipped. Returns false with the library's message in `fehler`.
bool Kodieren(const std::uint8_t* rgb, int breite, int hoehe, std::size_t zeilenAbstand, std::string& daten,
              Fehlerziel& fehler)
{
    Speicherziel ziel;
    ziel.pub.init_destination = ZielStart;
    ziel.pub.empty_output_buffer = ZielVoll;
    ziel.pub.term_destination = ZielEnde;
    ziel.daten = &daten;
    ziel.ohneSpeicher = false;

    jpeg_compress_struct info;
    info.err = jpeg_std_error(&fehler.pub);
    fehler.pub.error_exit = FehlerAusgang;
    fehler.pub.emit_message = WarnungStill;
    if (setjmp(fehler.sprung)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    info.dest = &ziel.pub;
    info.image_width = static_cast<JDIMENSION>(breite);
    info.image_height = static_cast<JDIMENSION>(hoehe);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);  // baseline Huffman coding, one scan per component set
    jpeg_set_quality(&info, JpegQualitaet, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW zeile = const_cast<JSAMPROW>(rgb + info.next_scanline * zeilenAbstand);
        jpeg_write_scanlines(&info, &zeile, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

bool EndetMit(std::string_view pfad, std::string_view endung)
{
    return pfad.size() >= endung.size() &&
           std::equal(endung.begin(), endung.end(), pfad.end() - static_cast<std::ptrdiff_t>(endung.size()),
                      [](char e, char p) { return e == std::tolower(static_cast<unsigned char>(p)); });
}

}  // namespace

std::string JpegKodieren(const std::uint8_t* rgb, int breite, int hoehe, std::size_t zeilenAbstand)
{
    if (breite < 1 || hoehe < 1 || breite > JpegSeiteMax || hoehe > JpegSeiteMax)
        throw BilddateiFehler("Ein JPEG-Bild kann nicht " + std::to_string(breite) + " × " + std::to_string(hoehe) +
                              " Pixel groß sein (jede Seite 1 bis " + std::to_string(JpegSeiteMax) + ")");
    std::string daten;
    Fehlerziel fehler;
    if (!Kodieren(rgb, breite, hoehe, zeilenAbstand, daten, fehler))
        throw BilddateiFehler(std::string("Das Bild konnte nicht als JPEG kodiert werden: ") + fehler.meldung);
    return daten;
}

void JpegSpeichern(const std::string& pfad, const std::uint8_t* rgb, int breite, int hoehe, std::size_t zeilenAbstand)
{
    BilddateiSchreiben(pfad, JpegKodieren(rgb, breite, hoehe, zeilenAbstand));
}

std::optional<Bildtyp> BildtypAusEndung(std::string_view pfad)
{
    if (EndetMit(pfad, ".png"))
        return Bildtyp::Png;
    if (EndetMit(pfad, ".jpg") || EndetMit(pfad, ".jpeg"))
        return Bildtyp::Jpeg;
    return std::nullopt;
}

std::string_view BildtypEndung(Bildtyp typ) { return typ == Bildtyp::Png ? "png" : "jpg"; }

std::string BildKodieren(const QImage& bild, Bildtyp typ)
{
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB888);
    if (typ == Bildtyp::Jpeg)
        return JpegKodieren(rgb.constBits(), rgb.width(), rgb.height(), static_cast<std::size_t>(rgb.bytesPerLine()));

    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    if (rgb.isNull() || !rgb.save(&puffer, "PNG"))
        throw BilddateiFehler("Das Bild konnte nicht als PNG kodiert werden");
    return daten.toStdString();
}

void BilddateiSchreiben(const std::string& pfad, std::string_view daten)
{
    if (const std::error_code ec = DateiErsetzen(pfad, daten))
        throw BilddateiFehler("Die Grafik konnte nicht in „" + pfad + "“ gespeichert werden: " + DateiFehlerGrund(ec));
}

}  // namespace orbisto
