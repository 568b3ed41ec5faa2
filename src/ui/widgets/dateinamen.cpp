#include "widgets/dateinamen.h"

#include "core/cp1252.h"

#include <QFile>
#include <QStringList>

#include <dirent.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>

namespace orbisto {

namespace {

constexpr char16_t ErsatzBasis = 0xDC00;  // + a byte that is no UTF-8: U+DC80..U+DCFF

// The length of the UTF-8 character at `i`, or 0 when the bytes there are none.
std::size_t ZeichenLaenge(std::string_view bytes, std::size_t i)
{
    const unsigned char erstes = static_cast<unsigned char>(bytes[i]);
    const std::size_t laenge = erstes < 0x80 ? 1 : erstes < 0xE0 ? 2 : erstes < 0xF0 ? 3 : 4;
    return i + laenge <= bytes.size() && IsValidUtf8(bytes.substr(i, laenge)) ? laenge : 0;
}

bool IstErsatz(const QString& text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    return c >= ErsatzBasis + 0x80 && c <= ErsatzBasis + 0xFF && (i == 0 || !text[i - 1].isHighSurrogate());
}

// The one entry of `ordner` whose name Qt shows as `teil`; nothing when there is none or
// more than one.
std::optional<std::string> EinzigerEintrag(const std::string& ordner, const QString& teil)
{
    DIR* verzeichnis = ::opendir(ordner.c_str());
    if (!verzeichnis)
        return std::nullopt;
    std::optional<std::string> treffer;
    int anzahl = 0;
    while (const dirent* eintrag = ::readdir(verzeichnis)) {
        if (QFile::decodeName(eintrag->d_name) == teil) {
            treffer = eintrag->d_name;
            ++anzahl;
        }
    }
    ::closedir(verzeichnis);
    return anzahl == 1 ? treffer : std::nullopt;
}

bool Vorhanden(const std::string& pfad)
{
    struct stat st;
    return ::lstat(pfad.c_str(), &st) == 0;
}

}  // namespace

QString DateinameText(std::string_view bytes)
{
    QString text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t ende = i;  // the run of UTF-8 from i
        while (ende < bytes.size()) {
            const std::size_t laenge = ZeichenLaenge(bytes, ende);
            if (laenge == 0)
                break;
            ende += laenge;
        }
        text += QString::fromUtf8(bytes.data() + i, static_cast<qsizetype>(ende - i));
        if (ende < bytes.size())
            text += QChar(static_cast<char16_t>(ErsatzBasis + static_cast<unsigned char>(bytes[ende++])));
        i = ende;
    }
    return text;
}

std::string DateinameBytes(const QString& text)
{
    std::string bytes;
    qsizetype anfang = 0;  // of the text not yet turned into bytes
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IstErsatz(text, i))
            continue;
        bytes += text.mid(anfang, i - anfang).toStdString();
        bytes += static_cast<char>(text[i].unicode() - ErsatzBasis);
        anfang = i + 1;
    }
    return bytes + text.mid(anfang).toStdString();
}

QString DateinameAnzeige(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string DateinameAufloesen(const QString& gezeigt)
{
    const std::string direkt = DateinameBytes(gezeigt);
    if (Vorhanden(direkt) || !gezeigt.contains(QChar::ReplacementCharacter))
        return direkt;
    std::string pfad;  // resolved so far
    const QStringList teile = gezeigt.split(u'/');
    for (qsizetype k = 0; k < teile.size(); ++k) {
        if (k > 0)
            pfad += '/';
        std::string teil = DateinameBytes(teile[k]);
        if (teile[k].contains(QChar::ReplacementCharacter) && !Vorhanden(pfad + teil)) {
            if (std::optional<std::string> echt = EinzigerEintrag(pfad.empty() ? "." : pfad, teile[k]))
                teil = std::move(*echt);
        }
        pfad += teil;
    }
    return pfad;
}

std::string DateinameAbsolut(const std::string& bytes)
{
    std::error_code ec;
    const std::filesystem::path absolut = std::filesystem::absolute(std::filesystem::path(bytes), ec);
    return ec ? bytes : absolut.lexically_normal().string();
}

}  // namespace orbisto
