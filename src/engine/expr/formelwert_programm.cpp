#include "expr/formelwert_programm.h"

#include "core/zahltext.h"
#include "expr/formelwert.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <utility>

namespace orbisto {

namespace {

constexpr long double GradZuRad = std::numbers::pi_v<long double> / 180;
constexpr long double RadZuGrad = 180 / std::numbers::pi_v<long double>;

// Operators in the order they are split; the indices match FormelOp::Plus + i.
constexpr char Operatoren[] = {'+', '-', '*', '/', '^'};

struct Funktion {
    std::string_view name;
    FormelOp op;
};
// Recognised by their first characters in this order, so the order matters.
constexpr Funktion Funktionen[] = {
    {"ln", FormelOp::Ln},
    {"lg", FormelOp::Lg},
    {"lb", FormelOp::Lb},
    {"sin", FormelOp::Sin},
    {"cos", FormelOp::Cos},
    {"tan", FormelOp::Tan},
    {"arctan", FormelOp::ArcTan},
    {"arcsin", FormelOp::ArcSin},
    {"arccos", FormelOp::ArcCos},
    {"si_", FormelOp::SiGrad},
    {"co_", FormelOp::CoGrad},
    {"ta_", FormelOp::TaGrad},
    {"arcta_", FormelOp::ArcTaGrad},
    {"arcsi_", FormelOp::ArcSiGrad},
    {"arcco_", FormelOp::ArcCoGrad},
    {"abs", FormelOp::Abs},
    {"exp", FormelOp::Exp},
    {"fak", FormelOp::Fak},
    {"int", FormelOp::Int},
    {"sqrt", FormelOp::Sqrt},
};

bool istLeer(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool istZiffer(char c) { return c >= '0' && c <= '9'; }
bool istBuchstabe(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

FormelOp operator+(FormelOp op, int i) { return static_cast<FormelOp>(static_cast<int>(op) + i); }

// Inlined so the interpreter dispatches on functions with one jump.
[[gnu::always_inline]] inline long double Funktionswert(FormelOp op, long double a)
{
    switch (op) {
    case FormelOp::Ln: return Ln(a);
    case FormelOp::Lg: return Ln(a) / std::numbers::ln10_v<long double>;
    case FormelOp::Lb: return Ln(a) / std::numbers::ln2_v<long double>;
    case FormelOp::Sin: return std::sin(a);
    case FormelOp::Cos: return std::cos(a);
    case FormelOp::Tan: return std::sin(a) / std::cos(a);
    case FormelOp::ArcTan: return std::atan(a);
    case FormelOp::ArcSin: return std::atan2(a, std::sqrt(1 - a * a));
    case FormelOp::ArcCos: return std::atan2(std::sqrt(1 - a * a), a);
    case FormelOp::SiGrad: return std::sin(a * GradZuRad);
    case FormelOp::CoGrad: return std::cos(a * GradZuRad);
    case FormelOp::TaGrad: return std::sin(a * GradZuRad) / std::cos(a * GradZuRad);
    case FormelOp::ArcTaGrad: return std::atan(a) * RadZuGrad;
    case FormelOp::ArcSiGrad: return std::atan2(a, std::sqrt(1 - a * a)) * RadZuGrad;
    case FormelOp::ArcCoGrad: return std::atan2(std::sqrt(1 - a * a), a) * RadZuGrad;
    case FormelOp::Abs: return std::fabs(a);
    case FormelOp::Exp: return std::exp(a);
    case FormelOp::Fak: return Fakultaet(a);
    case FormelOp::Int: return std::floor(a);
    case FormelOp::Sqrt: return std::sqrt(a);
    default: return std::numeric_limits<long double>::quiet_NaN();
    }
}

// Whether applying op would be reported to the hook; such steps are never folded
// away, so the report still comes in its place.
bool meldet(FormelOp op, long double a, long double b = 0)
{
    switch (op) {
    case FormelOp::Ln:
    case FormelOp::Lg:
    case FormelOp::Lb: return a < 1E-15L;
    case FormelOp::Hoch: {
        const PotenzArt art = PotenzEinordnen(b);
        return art.fall == PotenzArt::Allgemein && !(a == 0 && art.positiv) && !(a > 0);
    }
    default: return false;
    }
}

long double Rechnen(FormelOp op, long double l, long double r)
{
    switch (op) {
    case FormelOp::Plus: return l + r;
    case FormelOp::Minus: return l - r;
    case FormelOp::Mal: return l * r;
    case FormelOp::Durch: return l / r;
    default: return Potenz(l, r);
    }
}

// Recursive descent over the text by the rules in formelwert.h. A part of the text is a
// range [a, b) of text_, optionally preceded by the "0" that a leading minus gets.
class Uebersetzer {
public:
    explicit Uebersetzer(std::string_view formel)
    {
        // Implicit multiplication once for the whole text: every part is a piece of it
        // (at most with a "0" in front), so no part can form a new pair.
        text_.reserve(formel.size() + formel.size() / 2);
        for (std::size_t i = 0; i < formel.size(); ++i) {
            text_ += formel[i];
            if ((formel[i] == ')' || istZiffer(formel[i])) && i + 1 < formel.size() &&
                (formel[i + 1] == '(' || istBuchstabe(formel[i + 1])))
                text_ += '*';
        }
        // An operator at i counts for the part ending at b when the parentheses between
        // them balance, i.e. when balance_[i + 1] == balance_[b]; the operator itself
        // adds nothing, so balance_[i] serves as its key.
        balance_.resize(text_.size() + 1);
        balance_[text_.size()] = 0;
        for (std::size_t i = text_.size(); i-- > 0;) {
            const char c = text_[i];
            balance_[i] = balance_[i + 1] + (c == '(') - (c == ')');
            for (int k = 0; k < 5; ++k)
                if (c == Operatoren[k])
                    stellen_[k].emplace_back(balance_[i], i);
        }
        for (auto& s : stellen_)
            std::sort(s.begin(), s.end());
    }

    FormelProgramm Ergebnis() &&
    {
        Teil(0, text_.size(), false, 0);
        emit(FormelOp::Ende);
        p_.stapel = hoechsterStapel_;
        return std::move(p_);
    }

private:
    using Stelle = std::pair<std::ptrdiff_t, std::size_t>;  // (balance key, position)

    std::string text_;
    std::vector<std::ptrdiff_t> balance_;
    std::vector<Stelle> stellen_[5];
    FormelProgramm p_;
    std::size_t stapel_ = 0, hoechsterStapel_ = 0;
    // The code has no branches, so nothing after the first bad part is ever reached.
    bool abgebrochen_ = false;

    FormelBefehl& emit(FormelOp op)
    {
        p_.code.emplace_back();
        p_.code.back().op = op;
        return p_.code.back();
    }

    [[gnu::noinline]] void push(FormelOp op, long double wert = 0)
    {
        emit(op).wert = wert;
        hoechsterStapel_ = std::max(hoechsterStapel_, ++stapel_);
    }

    void fehler(std::string text, FormelOp art = FormelOp::Fehler)
    {
        p_.fehlerTexte.push_back(std::move(text));
        push(art);
        p_.code.back().text = static_cast<std::uint32_t>(p_.fehlerTexte.size() - 1);
        abgebrochen_ = true;
    }

    std::string teilText(std::size_t a, std::size_t b, bool null) const
    {
        return (null ? "0" : "") + text_.substr(a, b - a);
    }

    // Teil and Kette recurse once per level, up to FormelEbenenMax levels, so they keep
    // their frames small: whatever needs a string, a search or a fold is done by helpers
    // that are not inlined into them (with a sanitizer, an inlined helper's locals would
    // make every level's frame several kilobytes).
    void Teil(std::size_t a, std::size_t b, bool null, int ebene)
    {
        if (abgebrochen_)
            return;
        if (!null) {
            while (a < b && istLeer(text_[a]))
                ++a;
            while (b > a && istLeer(text_[b - 1]))
                --b;
            if (a == b) {
                push(FormelOp::Zahl, 0);
                return;
            }
            null = text_[a] == '-';
        } else {
            while (b > a + 1 && istLeer(text_[b - 1]))
                --b;
        }
        if (ebene > FormelEbenenMax) {
            zuTief(a, b, null);
            return;
        }
        if (const Teilung t = teilung(a, b); t.bis != 0) {
            Kette(a, b, null, ebene, t);
            return;
        }
        if (!null) {
            if (const Funktion* f = funktionAm(a, b)) {
                const std::size_t vorher = p_.code.size();
                Teil(a + f->name.size(), b, false, ebene + 1);
                anwenden(f->op, vorher);
                return;
            }
            if (text_[a] == '(') {
                Teil(a + 1, std::max(a + 1, b - 1), false, ebene + 1);
                return;
            }
        }
        blatt(a, b, null);
    }

    // The operators of one kind at which a part splits: stellen_[art][von, bis), none
    // when bis is 0. FormelWert reads no formula of more than FormelLaengeMax
    // characters, so 32 bits index them.
    struct Teilung {
        std::uint32_t von = 0, bis = 0;
        int art = 0;
    };

    [[gnu::noinline]] Teilung teilung(std::size_t a, std::size_t b) const
    {
        const std::ptrdiff_t schluessel = balance_[b];
        for (int k = 0; k < 5; ++k) {
            const auto& s = stellen_[k];
            const auto von = std::lower_bound(s.begin(), s.end(), Stelle(schluessel, a));
            const auto bis = std::lower_bound(von, s.end(), Stelle(schluessel, b));
            if (von != bis)
                return {static_cast<std::uint32_t>(von - s.begin()), static_cast<std::uint32_t>(bis - s.begin()), k};
        }
        return {};
    }

    [[gnu::noinline]] const Funktion* funktionAm(std::size_t a, std::size_t b) const
    {
        const std::string_view t(text_.data() + a, b - a);
        for (const Funktion& f : Funktionen)
            if (t.starts_with(f.name))
                return &f;
        return nullptr;
    }

    // The function op of the argument translated from code[vorher] on.
    [[gnu::noinline]] void anwenden(FormelOp op, std::size_t vorher)
    {
        if (abgebrochen_)
            return;
        FormelBefehl& arg = p_.code.back();
        if (p_.code.size() == vorher + 1 && arg.op == FormelOp::Zahl && !meldet(op, arg.wert))
            arg.wert = Funktionswert(op, arg.wert);
        else
            emit(op);
    }

    // "x" or a number.
    [[gnu::noinline]] void blatt(std::size_t a, std::size_t b, bool null)
    {
        if (!null && b - a == 1 && text_[a] == 'x') {
            push(FormelOp::X);
            return;
        }
        std::string zahl = teilText(a, b, null);
        long double wert = 0;
        if (TextZahlVersuch(zahl, wert))
            push(FormelOp::Zahl, wert);
        else
            fehler(std::move(zahl));
    }

    [[gnu::noinline, gnu::cold]] void zuTief(std::size_t a, std::size_t b, bool null)
    {
        fehler(teilText(a, b, null), FormelOp::ZuTief);
    }

    // Splitting at the rightmost operator and evaluating the left part again splits it at
    // the next one to the left, and so on: a chain a op b op c is ((a op b) op c). Walking
    // the chain here keeps long sums from nesting deeply.
    [[gnu::noinline]] void Kette(std::size_t a, std::size_t b, bool null, int ebene, Teilung t)
    {
        const std::vector<Stelle>& s = stellen_[t.art];
        const FormelOp op = FormelOp::Plus + t.art;
        const std::size_t erste = s[t.von].second;
        const std::size_t linksAb = p_.code.size();
        if (null && erste == a)
            push(FormelOp::Zahl, 0);  // "0" in front of the leading minus
        else
            Teil(a, erste, null, ebene + 1);
        for (std::uint32_t i = t.von; i != t.bis; ++i) {
            const std::size_t rechtsVon = s[i].second + 1;
            const std::size_t rechtsBis = i + 1 == t.bis ? b : s[i + 1].second;
            const std::size_t vorher = p_.code.size();
            Teil(rechtsVon, rechtsBis, false, ebene + 1);
            Verknuepfen(op, linksAb, vorher);
        }
    }

    // Operands that are a plain number or x fold into the operator, and an operator on
    // two numbers into its result unless that is reported. Neither operand has effects,
    // so values and reports stay the same as evaluating left, right, operator.
    [[gnu::noinline]] void Verknuepfen(FormelOp op, std::size_t linksAb, std::size_t rechtsAb)
    {
        if (abgebrochen_)
            return;
        auto& code = p_.code;
        const auto einfach = [&](std::size_t ab, std::size_t bis) {
            return bis == ab + 1 && (code[ab].op == FormelOp::Zahl || code[ab].op == FormelOp::X);
        };
        const bool linksEinfach = einfach(linksAb, rechtsAb);
        const bool rechtsEinfach = einfach(rechtsAb, code.size());
        const int k = static_cast<int>(op) - static_cast<int>(FormelOp::Plus);
        FormelBefehl& rechts = code.back();
        if (linksEinfach && rechtsEinfach && code[linksAb].op == FormelOp::Zahl && rechts.op == FormelOp::Zahl &&
            !meldet(op, code[linksAb].wert, rechts.wert)) {
            code[linksAb].wert = Rechnen(op, code[linksAb].wert, rechts.wert);
            code.pop_back();
        } else if (rechtsEinfach && rechts.op == FormelOp::Zahl) {
            rechts.op = FormelOp::PlusZahl + k;
            if (op == FormelOp::Hoch) {
                rechts.potenz = PotenzEinordnen(rechts.wert);
                if (rechts.potenz.fall == PotenzArt::Ganz && rechts.potenz.ganz == 2)
                    rechts.op = FormelOp::Quadrat;
            }
        } else if (rechtsEinfach) {
            rechts.op = FormelOp::PlusX + k;
        } else if (linksEinfach) {
            // Sums and products do not care about the order of their operands.
            const FormelBefehl links = code[linksAb];
            code.erase(code.begin() + static_cast<std::ptrdiff_t>(linksAb));
            const bool vertauschbar = op == FormelOp::Plus || op == FormelOp::Mal;
            const bool zahl = links.op == FormelOp::Zahl;
            FormelOp neu = zahl ? FormelOp::ZahlMinus : FormelOp::XMinus;
            if (vertauschbar)
                neu = (zahl ? FormelOp::PlusZahl : FormelOp::PlusX) + k;
            else if (op == FormelOp::Durch)
                neu = zahl ? FormelOp::ZahlDurch : FormelOp::XDurch;
            else if (op == FormelOp::Hoch)
                neu = zahl ? FormelOp::ZahlHoch : FormelOp::XHoch;
            emit(neu).wert = links.wert;
        } else {
            emit(op);
        }
        --stapel_;
    }
};

}  // namespace

std::string ZuTiefMeldung()
{
    return "Die Formel ist zu tief geschachtelt (höchstens " + std::to_string(FormelEbenenMax) + " Ebenen)";
}

std::size_t FormelProgramm::Bytes() const
{
    std::size_t n = sizeof *this + code.capacity() * sizeof(FormelBefehl);
    for (const auto& t : fehlerTexte)
        n += sizeof t + t.capacity();
    return n;
}

FormelProgramm FormelUebersetzen(std::string_view formel) { return Uebersetzer(formel).Ergebnis(); }

namespace {

[[noreturn, gnu::cold]] void fehlerAusloesen(const FormelProgramm& p, const FormelBefehl& b)
{
    const std::string& teil = p.fehlerTexte[b.text];
    if (b.op == FormelOp::ZuTief)
        throw FormelGrenzeFehler(teil, ZuTiefMeldung());
    throw KonvertierungsFehler(teil);
}

// `unten` holds the values waiting below the top one, which stays in a local.
long double lauf(const FormelProgramm& p, const long double& x, long double* unten)
{
    // Every program starts with a value (its leftmost part), so the first one is loaded
    // without pushing anything.
    assert(p.code.size() >= 2 && p.code.back().op == FormelOp::Ende);
    const FormelBefehl* b = p.code.data();
    if (b->op == FormelOp::Fehler || b->op == FormelOp::ZuTief)
        fehlerAusloesen(p, *b);
    long double oben = b->op == FormelOp::X ? x : b->wert;
    std::size_t n = 0;
    for (++b;; ++b) {
        switch (b->op) {
        case FormelOp::Ende: return oben;
        case FormelOp::Zahl:
            unten[n++] = oben;
            oben = b->wert;
            break;
        case FormelOp::X:
            unten[n++] = oben;
            oben = x;
            break;
        case FormelOp::Fehler:
        case FormelOp::ZuTief: fehlerAusloesen(p, *b);
        case FormelOp::Plus: oben = unten[--n] + oben; break;
        case FormelOp::Minus: oben = unten[--n] - oben; break;
        case FormelOp::Mal: oben = unten[--n] * oben; break;
        case FormelOp::Durch: oben = unten[--n] / oben; break;
        case FormelOp::Hoch: oben = Potenz(unten[--n], oben); break;
        case FormelOp::PlusZahl: oben = oben + b->wert; break;
        case FormelOp::MinusZahl: oben = oben - b->wert; break;
        case FormelOp::MalZahl: oben = oben * b->wert; break;
        case FormelOp::DurchZahl: oben = oben / b->wert; break;
        case FormelOp::HochZahl: oben = PotenzMit(oben, b->wert, b->potenz); break;
        case FormelOp::PlusX: oben = oben + x; break;
        case FormelOp::MinusX: oben = oben - x; break;
        case FormelOp::MalX: oben = oben * x; break;
        case FormelOp::DurchX: oben = oben / x; break;
        case FormelOp::HochX: oben = Potenz(oben, x); break;
        case FormelOp::Quadrat: oben = oben * oben; break;
        case FormelOp::ZahlMinus: oben = b->wert - oben; break;
        case FormelOp::ZahlDurch: oben = b->wert / oben; break;
        case FormelOp::ZahlHoch: oben = Potenz(b->wert, oben); break;
        case FormelOp::XMinus: oben = x - oben; break;
        case FormelOp::XDurch: oben = x / oben; break;
        case FormelOp::XHoch: oben = Potenz(x, oben); break;
        default: oben = Funktionswert(b->op, oben); break;
        }
    }
}

}  // namespace

long double FormelAusfuehren(const FormelProgramm& p, const long double& x)
{
    long double klein[32];
    if (p.stapel <= std::size(klein))
        return lauf(p, x, klein);
    const auto gross = std::make_unique<long double[]>(p.stapel);
    return lauf(p, x, gross.get());
}

}  // namespace orbisto
