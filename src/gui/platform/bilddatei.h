#pragma once
// Pictures of the view as files: PNG, or JPEG as baseline (not progressive) full colour
// with quality 90, which every program that shows pictures reads. Files are replaced in
// one step, so a failed write never costs the picture that was there.

#include "core/allgemeinerfehler.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class QImage;

namespace orbisto {

// Every failure to encode or write a picture file; what() is the German message.
class BilddateiFehler : public AllgemeinerFehler {
public:
    using AllgemeinerFehler::AllgemeinerFehler;
};

inline constexpr int JpegQualitaet = 90;
// The largest side the format can carry.
inline constexpr int JpegSeiteMax = 65500;

// The JPEG bytes of a picture given as rows of RGB bytes (3 per pixel, top row first,
// `zeilenAbstand` bytes from one row's start to the next). Throws BilddateiFehler for a
// size of 0 or beyond JpegSeiteMax, or when the encoder fails.
std::string JpegKodieren(const std::uint8_t* rgb, int breite, int hoehe, std::size_t zeilenAbstand);

// Encodes the picture and writes it to `pfad` (UTF-8), replacing the file in one step: on
// any failure an existing file is left as it was, and BilddateiFehler names the file.
void JpegSpeichern(const std::string& pfad, const std::uint8_t* rgb, int breite, int hoehe, std::size_t zeilenAbstand);

enum class Bildtyp { Png, Jpeg };

// The type the ending of a file name asks for (".png"; ".jpg" or ".jpeg"; any case), or
// nothing for any other ending.
std::optional<Bildtyp> BildtypAusEndung(std::string_view pfad);

// The ending a file of this type gets ("png", "jpg").
std::string_view BildtypEndung(Bildtyp typ);

// The file bytes of the picture, without transparency: PNG losslessly, JPEG as
// JpegKodieren makes it. Throws BilddateiFehler.
std::string BildKodieren(const QImage& bild, Bildtyp typ);

// Writes bytes made by BildKodieren to `pfad` (UTF-8), replacing the file in one step; on
// failure an existing file is left as it was, and BilddateiFehler names the file.
void BilddateiSchreiben(const std::string& pfad, std::string_view daten);

}  // namespace orbisto
