#include "core/dateien.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <random>

namespace orbisto {

namespace fs = std::filesystem;

namespace {

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

// A new file beside `ziel` that nobody else has: O_EXCL refuses a name already taken. The
// name is short whatever the target's, so a target name near the length limit still works.
int TemporaerAnlegen(const fs::path& ziel, fs::path& temp)
{
    std::random_device zufall;
    for (int versuch = 0; versuch < 100; ++versuch) {
        char name[16];
        const std::to_chars_result r = std::to_chars(name, name + sizeof name, zufall(), 16);
        temp = ziel;
        temp.replace_filename(".orbisto-" + std::string(name, r.ptr) + ".tmp");
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

fs::path Utf8Pfad(const std::string& utf8)
{
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

std::string DateiFehlerGrund(std::error_code ec)
{
    using std::errc;
    if (ec == errc::no_such_file_or_directory)
        return "Datei oder Verzeichnis nicht gefunden";
    if (ec == errc::permission_denied || ec == errc::operation_not_permitted)
        return "Zugriff verweigert";
    if (ec == errc::no_space_on_device)
        return "Kein Platz mehr auf dem Datenträger";
    if (ec == errc::file_too_large)
        return "Die Datei wird zu groß";
    if (ec == errc::read_only_file_system)
        return "Das Dateisystem ist schreibgeschützt";
    if (ec == errc::is_a_directory)
        return "Das ist ein Verzeichnis";
    if (ec == errc::not_a_directory)
        return "Ein Teil des Pfads ist kein Verzeichnis";
    if (ec == errc::filename_too_long)
        return "Der Name ist zu lang";
    return ec.message();
}

std::error_code Systemfehler() { return {errno, std::generic_category()}; }

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

std::error_code DateiErsetzen(const std::string& pfad, std::string_view daten)
{
    fs::path ziel = Utf8Pfad(pfad);
    std::error_code ec;
    // Through a link to the file it points at, so the link stays.
    if (fs::is_symlink(ziel, ec)) {
        fs::path echt = fs::canonical(ziel, ec);
        if (!ec)
            ziel = std::move(echt);
    }
    fs::path temp;
    Dateideskriptor datei(TemporaerAnlegen(ziel, temp));
    if (datei.fd() < 0)
        return Systemfehler();

    const fs::file_status alt = fs::status(ziel, ec);
    if (!ec && fs::exists(alt))  // the new content keeps the access rights the old file had
        ::fchmod(datei.fd(), static_cast<mode_t>(alt.permissions() & fs::perms::mask));

    // On disk before it replaces the old file, so a crash cannot leave an empty file behind.
    if (!AllesSchreiben(datei.fd(), daten) || ::fsync(datei.fd()) != 0 || !datei.schliessen()) {
        const std::error_code grund = Systemfehler();
        fs::remove(temp, ec);
        return grund;
    }
    fs::rename(temp, ziel, ec);
    if (ec) {
        const std::error_code grund = ec;
        fs::remove(temp, ec);
        return grund;
    }
    return {};
}

}  // namespace orbisto
