#include "expr/formelwert.h"

#include "expr/formelwert_programm.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

namespace orbisto {

namespace {

// A formula is mostly evaluated at many points in a row, so a handful of recently used
// texts are checked before the table. The table is bounded and simply starts afresh when
// full; programs it holds stay put while evaluations are running (a hook may evaluate).
constexpr std::size_t MaxEintraege = 256;
constexpr std::size_t MaxBytes = std::size_t(16) << 20;

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

struct Tabelle {
    std::unordered_map<std::string, std::unique_ptr<FormelProgramm>, TextHash, std::equal_to<>> programme;
    std::size_t bytes = 0;
};

struct Zuletzt {
    const char* text;
    std::size_t laenge;
    const FormelProgramm* programm;
};

// Per thread, so nothing needs a lock; the trivial ones cost no initialisation check.
thread_local Tabelle tabelle;
thread_local Zuletzt zuletzt[4];
thread_local unsigned naechsterPlatz;
thread_local int laufend;  // evaluations in progress on this thread

long double ausfuehren(const FormelProgramm& p, const long double& x)
{
    struct Zaehler {
        Zaehler() { ++laufend; }
        ~Zaehler() { --laufend; }
    } zaehler;
    return FormelAusfuehren(p, x);
}

void merken(const std::string& text, const FormelProgramm* p)
{
    zuletzt[naechsterPlatz++ % std::size(zuletzt)] = {text.data(), text.size(), p};
}

// Refuses a formula of more than FormelLaengeMax characters. Its text is not even
// hashed: a formula of megabytes would take seconds to read, and a program that long is
// never stored, so every call would read it again. When its parentheses alone nest
// deeper than any formula may, that is what it is told, since shortening it would not do.
void laengePruefen(std::string_view formel)
{
    if (formel.size() <= FormelLaengeMax)
        return;
    std::size_t zeichen = 0;
    std::ptrdiff_t tiefe = 0, tiefste = 0;
    for (const char c : formel) {
        zeichen += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        tiefe += (c == '(') - (c == ')');
        tiefste = std::max(tiefste, tiefe);
    }
    if (tiefste > FormelEbenenMax)
        throw FormelGrenzeFehler(formel, ZuTiefMeldung());
    if (zeichen > FormelLaengeMax)
        throw FormelGrenzeFehler(formel,
                                 "Die Formel ist zu lang (höchstens " + std::to_string(FormelLaengeMax) + " Zeichen)");
}

long double nachschlagen(std::string_view formel, const long double& x)
{
    laengePruefen(formel);
    Tabelle& t = tabelle;
    if (const auto it = t.programme.find(formel); it != t.programme.end()) {
        merken(it->first, it->second.get());
        return ausfuehren(*it->second, x);
    }
    auto p = std::make_unique<FormelProgramm>(FormelUebersetzen(formel));
    const std::size_t bytes = p->Bytes() + 2 * formel.size() + 64;
    if (bytes > MaxBytes / 4)
        return ausfuehren(*p, x);  // too big to keep
    if (t.programme.size() >= MaxEintraege || t.bytes + bytes > MaxBytes) {
        if (laufend > 0)
            return ausfuehren(*p, x);  // an outer evaluation may be running one of them
        t.programme.clear();
        t.bytes = 0;
        for (Zuletzt& z : zuletzt)
            z = {};
    }
    const auto neu = t.programme.emplace(std::string(formel), std::move(p)).first;
    t.bytes += bytes;
    merken(neu->first, neu->second.get());
    return ausfuehren(*neu->second, x);
}

}  // namespace

FormelGrenzeFehler::FormelGrenzeFehler(std::string_view teil, std::string meldung)
    : KonvertierungsFehler(teil), meldung_(std::move(meldung))
{
}

long double FormelWert(std::string_view formel, long double x)
{
    for (const Zuletzt& z : zuletzt)
        if (z.programm && std::string_view(z.text, z.laenge) == formel)
            return ausfuehren(*z.programm, x);
    return nachschlagen(formel, x);
}

}  // namespace orbisto
