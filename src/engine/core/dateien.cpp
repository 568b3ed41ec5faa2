#include "core/dateien.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <ios>
#include <new>
#include <vector>

namespace orbisto {

namespace fs = std::filesystem;

namespace {

// The links the kernel itself follows in one path before it gives up with ELOOP.
constexpr int LinksMax = 40;

constexpr std::string_view TempEndung = ".orbisto-tmp";

// German for every error number a file operation can give. A number missing here is told
// as "Systemfehler Nr. …": still German, and the number is what a helper needs.
struct Fehlertext {
    int nummer;
    const char* text;
};

constexpr Fehlertext Fehlertexte[] = {
    {EPERM, "Zugriff verweigert"},
    {ENOENT, "Datei oder Verzeichnis nicht gefunden"},
    {EINTR, "Der Vorgang wurde unterbrochen"},
    {EIO, "Ein-/Ausgabefehler: der Datenträger konnte nicht gelesen oder beschrieben werden"},
    {ENXIO, "Das Gerät ist nicht vorhanden oder nicht bereit"},
    {E2BIG, "Die Argumentliste ist zu lang"},
    {EBADF, "Die Datei ist nicht (mehr) geöffnet"},
    {EAGAIN, "Die Datei ist gerade nicht verfügbar; bitte später noch einmal versuchen"},
    {ENOMEM, "Nicht genug Arbeitsspeicher"},
    {EACCES, "Zugriff verweigert"},
    {EFAULT, "Ungültige Speicheradresse"},
    {EBUSY, "Die Datei oder das Gerät wird gerade benutzt"},
    {EEXIST, "Die Datei ist schon vorhanden"},
    {EXDEV, "Die Datei liegt auf einem anderen Dateisystem"},
    {ENODEV, "Kein passendes Gerät vorhanden"},
    {ENOTDIR, "Ein Teil des Pfads ist kein Verzeichnis"},
    {EISDIR, "Das ist ein Verzeichnis"},
    {EINVAL, "Ungültiger Name oder ungültiger Zugriff"},
    {ENFILE, "Im System sind zu viele Dateien geöffnet"},
    {EMFILE, "Orbisto hat zu viele Dateien geöffnet"},
    {ENOTTY, "Der Zugriff passt nicht zu dieser Art von Datei"},
    {ETXTBSY, "Die Datei wird gerade als Programm ausgeführt"},
    {EFBIG, "Die Datei wird zu groß"},
    {ENOSPC, "Kein Platz mehr auf dem Datenträger"},
    {ESPIPE, "In dieser Datei kann nicht positioniert werden"},
    {EROFS, "Das Dateisystem ist schreibgeschützt"},
    {EMLINK, "Zu viele Verweise auf die Datei"},
    {EPIPE, "Die Gegenseite hat die Verbindung geschlossen"},
    {EDEADLK, "Die Sperre der Datei würde zu einer Verklemmung führen"},
    {ENAMETOOLONG, "Der Name ist zu lang"},
    {ENOLCK, "Keine Dateisperren mehr verfügbar"},
    {ENOSYS, "Das System kennt diesen Vorgang nicht"},
    {ENOTEMPTY, "Das Verzeichnis ist nicht leer"},
    {ELOOP, "Zu viele symbolische Links hintereinander, vermutlich eine Schleife"},
    {ENOSTR, "Das ist kein Datenstrom"},
    {ENODATA, "Keine Daten vorhanden"},
    {ETIME, "Die Zeit ist abgelaufen"},
    {ENOLINK, "Die Verbindung zum entfernten Rechner ist abgerissen"},
    {EOVERFLOW, "Die Datei ist zu groß für diesen Zugriff"},
    {EBADMSG, "Die Daten sind beschädigt"},
    {EILSEQ, "Der Name enthält eine ungültige Zeichenfolge"},
    {EUSERS, "Zu viele Benutzer"},
    {ENOTSOCK, "Das ist kein Socket"},
    {EOPNOTSUPP, "Das Dateisystem unterstützt diesen Vorgang nicht"},
    {ENETDOWN, "Das Netzwerk ist nicht verfügbar"},
    {ENETUNREACH, "Das Netzwerk ist nicht erreichbar"},
    {ECONNABORTED, "Die Verbindung wurde abgebrochen"},
    {ECONNRESET, "Die Verbindung wurde von der Gegenseite zurückgesetzt"},
    {ENOBUFS, "Kein Pufferspeicher mehr verfügbar"},
    {ENOTCONN, "Keine Verbindung"},
    {ETIMEDOUT, "Zeitüberschreitung beim Zugriff"},
    {ECONNREFUSED, "Die Verbindung wurde abgelehnt"},
    {EHOSTDOWN, "Der entfernte Rechner ist nicht in Betrieb"},
    {EHOSTUNREACH, "Der entfernte Rechner ist nicht erreichbar"},
    {ESTALE, "Die Datei ist auf dem Server nicht mehr vorhanden"},
    {EREMOTEIO, "Ein-/Ausgabefehler beim entfernten Rechner"},
    {EDQUOT, "Das Speicherkontingent auf dem Datenträger ist erschöpft"},
    {ENOMEDIUM, "Kein Datenträger eingelegt"},
    {EMEDIUMTYPE, "Falscher Datenträger"},
    {ECANCELED, "Der Vorgang wurde abgebrochen"},
    {EKEYEXPIRED, "Der Schlüssel ist abgelaufen"},
    {EOWNERDEAD, "Der Besitzer der Sperre ist beendet"},
    {ERFKILL, "Das Gerät ist per Funkschalter abgeschaltet"},
    {EHWPOISON, "Der Speicher hat einen Hardwarefehler"},
};

class Kategorie : public std::error_category {
public:
    const char* name() const noexcept override { return "orbisto-datei"; }
    std::string message(int wert) const override
    {
        switch (static_cast<Dateifehler>(wert)) {
        case Dateifehler::KeineDatei: return "Das ist keine gewöhnliche Datei";
        case Dateifehler::Pipe: return "Das ist eine Pipe (FIFO), keine gewöhnliche Datei";
        case Dateifehler::Geraet: return "Das ist ein Gerät, keine gewöhnliche Datei";
        case Dateifehler::ZuGross: return "Die Datei ist zu groß";
        }
        return "Unbekannter Dateifehler Nr. " + std::to_string(wert);
    }
};

std::error_code Fehler(int nummer) { return {nummer, std::generic_category()}; }

// Why something that exists is no regular file; nothing for a regular file.
std::error_code KeineDateiGrund(mode_t modus)
{
    if (S_ISREG(modus))
        return {};
    if (S_ISDIR(modus))
        return Fehler(EISDIR);
    if (S_ISFIFO(modus))
        return Dateifehler::Pipe;
    if (S_ISCHR(modus) || S_ISBLK(modus))
        return Dateifehler::Geraet;
    return Dateifehler::KeineDatei;
}

bool AllesSchreiben(int fd, std::string_view daten)
{
    while (!daten.empty()) {
        const ssize_t n = ::write(fd, daten.data(), daten.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        daten.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The folder part of `pfad` with its closing '/', empty for a bare name.
std::string Ordner(const std::string& pfad)
{
    const std::size_t schraegstrich = pfad.rfind('/');
    return schraegstrich == std::string::npos ? std::string() : pfad.substr(0, schraegstrich + 1);
}

// Follows `pfad` while it names a symbolic link, so that it ends on what the chain points
// at: something that is no link, or nothing at all (a dangling link's target). A relative
// target counts from the folder of its link, as the kernel reads it. `st` gets what is
// there; `vorhanden` says whether anything is.
std::error_code LinksFolgen(std::string& pfad, struct stat& st, bool& vorhanden)
{
    for (int links = 0;; ++links) {
        if (::lstat(pfad.c_str(), &st) != 0) {
            vorhanden = false;
            return errno == ENOENT ? std::error_code() : Systemfehler();
        }
        vorhanden = true;
        if (!S_ISLNK(st.st_mode))
            return {};
        if (links == LinksMax)
            return Fehler(ELOOP);
        char ziel[PATH_MAX];
        const ssize_t n = ::readlink(pfad.c_str(), ziel, sizeof ziel);
        if (n < 0)
            return Systemfehler();
        if (static_cast<std::size_t>(n) == sizeof ziel)
            return Fehler(ENAMETOOLONG);
        const std::string_view text(ziel, static_cast<std::size_t>(n));
        pfad = text.starts_with('/') ? std::string(text) : Ordner(pfad) + std::string(text);
    }
}

bool InGruppe(gid_t gruppe)
{
    if (::getegid() == gruppe)
        return true;
    const int anzahl = ::getgroups(0, nullptr);
    if (anzahl <= 0)
        return false;
    std::vector<gid_t> gruppen(static_cast<std::size_t>(anzahl));
    const int gelesen = ::getgroups(anzahl, gruppen.data());
    return gelesen > 0 && std::find(gruppen.begin(), gruppen.begin() + gelesen, gruppe) != gruppen.begin() + gelesen;
}

// Whether the user may write the existing regular file: the system's access check (ACLs and
// read-only mounts included), and for the superuser, whom that check always lets through,
// the permission bits of his class.
std::error_code SchreibenErlaubt(const std::string& pfad, const struct stat& st)
{
    if (::faccessat(AT_FDCWD, pfad.c_str(), W_OK, AT_EACCESS) != 0)
        return Systemfehler();
    const uid_t benutzer = ::geteuid();
    if (benutzer != 0)
        return {};
    const mode_t bit = st.st_uid == benutzer ? S_IWUSR : InGruppe(st.st_gid) ? S_IWGRP : S_IWOTH;
    return (st.st_mode & bit) != 0 ? std::error_code() : Fehler(EACCES);
}

// FNV-1a: stable across runs and machines, which is all a leftover's name needs.
std::uint64_t Hash(std::string_view text)
{
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : text) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

// A new file at `temp` that nobody else has. A file already there is a leftover of a save
// of the same target that was killed half-way: it is removed and the name taken again.
// O_EXCL and O_NOFOLLOW never open what is there, so a link planted at that name is
// removed, never followed.
int TemporaerAnlegen(const std::string& temp, mode_t modus)
{
    for (int versuch = 0; versuch < 3; ++versuch) {
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, modus);
        if (fd >= 0 || errno != EEXIST)
            return fd;
        if (::unlink(temp.c_str()) != 0 && errno != ENOENT)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

fs::path Utf8Pfad(const std::string& utf8)
{
    // On this system a path is bytes; the u8 constructor passes them on unchanged.
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

const std::error_category& DateifehlerKategorie()
{
    static const Kategorie kategorie;
    return kategorie;
}

std::error_code make_error_code(Dateifehler fehler) { return {static_cast<int>(fehler), DateifehlerKategorie()}; }

std::string DateiFehlerGrund(std::error_code ec)
{
    if (ec.category() == DateifehlerKategorie())
        return ec.message();
    if (ec.category() == std::generic_category() || ec.category() == std::system_category()) {
        for (const Fehlertext& f : Fehlertexte)
            if (f.nummer == ec.value())
                return f.text;
        return "Systemfehler Nr. " + std::to_string(ec.value());
    }
    if (ec.category() == std::iostream_category())
        return "Fehler beim Lesen oder Schreiben eines Datenstroms";
    return "Unbekannter Fehler Nr. " + std::to_string(ec.value());
}

std::error_code Systemfehler() { return Fehler(errno); }

Dateideskriptor::~Dateideskriptor()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool Dateideskriptor::schliessen()
{
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
}

std::error_code DateiLesen(const std::string& pfad, std::size_t maxBytes, std::string& inhalt)
{
    // O_NONBLOCK: opening a pipe would otherwise wait for a writer, and a device for its
    // carrier; O_NOCTTY: a terminal never becomes ours. Neither changes a regular file.
    Dateideskriptor datei(::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (datei.fd() < 0)
        return Systemfehler();
    struct stat st;
    if (::fstat(datei.fd(), &st) != 0)
        return Systemfehler();
    if (const std::error_code grund = KeineDateiGrund(st.st_mode))
        return grund;
    if (st.st_size > 0 && static_cast<std::uintmax_t>(st.st_size) > maxBytes)
        return Dateifehler::ZuGross;

    inhalt.clear();
    try {
        // The size told is only a hint (files in /proc say 0, a file may grow meanwhile);
        // reading goes on until the end, or until it has passed the limit.
        inhalt.reserve(static_cast<std::size_t>(st.st_size));
        char puffer[65536];
        while (inhalt.size() <= maxBytes) {
            const ssize_t n = ::read(datei.fd(), puffer, sizeof puffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return Systemfehler();
            if (n == 0)
                return {};
            inhalt.append(puffer, static_cast<std::size_t>(n));
        }
    } catch (const std::bad_alloc&) {
        return Fehler(ENOMEM);
    }
    return Dateifehler::ZuGross;
}

std::string TemporaerDateiname(const std::string& pfad)
{
    const std::string ordner = Ordner(pfad);
    const std::string name = pfad.substr(ordner.size());
    long nameMax = ::pathconf(ordner.empty() ? "." : ordner.c_str(), _PC_NAME_MAX);
    if (nameMax <= 0 || nameMax > NAME_MAX)
        nameMax = NAME_MAX;
    std::string temp = "." + name + std::string(TempEndung);
    if (temp.size() <= static_cast<std::size_t>(nameMax))
        return ordner + temp;

    // Too long: a start of the name, then a hash of all of it, so two long names that
    // begin alike still get two temporary files.
    char hash[17];
    const std::uint64_t h = Hash(name);
    for (int i = 0; i < 16; ++i)
        hash[i] = "0123456789abcdef"[(h >> (60 - 4 * i)) & 0xF];
    hash[16] = '\0';
    const std::size_t rest = 1 + 1 + 16 + TempEndung.size();  // ".", "-", hash, ending
    std::size_t anfang = static_cast<std::size_t>(nameMax) > rest ? static_cast<std::size_t>(nameMax) - rest : 0;
    anfang = std::min(anfang, name.size());
    while (anfang > 0 && (static_cast<unsigned char>(name[anfang]) & 0xC0) == 0x80)  // not inside a character
        --anfang;
    return ordner + "." + name.substr(0, anfang) + "-" + hash + std::string(TempEndung);
}

std::error_code DateiErsetzen(const std::string& pfad, std::string_view daten)
{
    if (pfad.empty())
        return Fehler(ENOENT);
    std::string ziel = pfad;
    struct stat st;
    bool vorhanden = false;
    if (const std::error_code ec = LinksFolgen(ziel, st, vorhanden))
        return ec;
    if (!vorhanden && ziel.ends_with('/'))  // a folder's name, and no folder there
        return Fehler(ENOENT);
    if (vorhanden) {
        if (const std::error_code ec = KeineDateiGrund(st.st_mode))
            return ec;
        if (const std::error_code ec = SchreibenErlaubt(ziel, st))
            return ec;
    }

    const std::string temp = TemporaerDateiname(ziel);
    // A private file never shows its new content to others, not even for a moment.
    const mode_t rechte = vorhanden ? (st.st_mode & 0777) : 0666;
    Dateideskriptor datei(TemporaerAnlegen(temp, rechte));
    if (datei.fd() < 0)
        return Systemfehler();
    const auto aufgeben = [&temp](std::error_code grund) {
        ::unlink(temp.c_str());
        return grund;
    };
    if (vorhanden) {
        // The new content keeps the old file's owner (where we may give it away) and exactly
        // its rights, which the umask may have narrowed when the file was made.
        if (::fchown(datei.fd(), st.st_uid, st.st_gid) != 0 &&
            ::fchown(datei.fd(), static_cast<uid_t>(-1), st.st_gid) != 0) {
            // another owner, or a group we are not in: the file becomes ours like any new one
        }
        if (::fchmod(datei.fd(), rechte) != 0) {
            // the rights the file was made with stand; they are never wider than the old ones
        }
    }

    // On disk before it replaces the old file, so a crash cannot leave an empty file behind.
    if (!AllesSchreiben(datei.fd(), daten) || ::fsync(datei.fd()) != 0 || !datei.schliessen())
        return aufgeben(Systemfehler());
    if (::rename(temp.c_str(), ziel.c_str()) != 0)
        return aufgeben(Systemfehler());
    return {};
}

}  // namespace orbisto
