#pragma once
// Files written so that a failure never costs what was there, files read without ever
// blocking on something that is no file, and file errors told in German. Shared by
// everything that saves or reads: object lists and pictures alike.
//
// Paths are the bytes the file system knows, passed on unchanged: a name that is not
// UTF-8 is as good a name as any other.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>

namespace orbisto {

// The path of a file name given as bytes (UTF-8 as a rule, but any bytes pass unchanged).
std::filesystem::path Utf8Pfad(const std::string& utf8);

// What the program itself refuses about a file, beside the errors of the system.
enum class Dateifehler {
    KeineDatei = 1,  // something that is neither a regular file nor a folder (a socket ...)
    Pipe,            // a named pipe (FIFO): reading it would wait for a writer
    Geraet,          // a device: /dev/null, a terminal, a disk
    ZuGross,         // more bytes than the reader takes
};

const std::error_category& DateifehlerKategorie();
std::error_code make_error_code(Dateifehler fehler);

// The reason of a file error as the user reads it ("Zugriff verweigert" ...): German for
// every error a file operation can give, and "Systemfehler Nr. 123" for a number without
// a text of its own; the system's English text never reaches the user.
std::string DateiFehlerGrund(std::error_code ec);

// The error of the last failed system call (errno).
std::error_code Systemfehler();

// Closes a file descriptor on every path out.
class Dateideskriptor {
public:
    explicit Dateideskriptor(int fd) : fd_(fd) {}
    Dateideskriptor(const Dateideskriptor&) = delete;
    Dateideskriptor& operator=(const Dateideskriptor&) = delete;
    ~Dateideskriptor();

    int fd() const { return fd_; }
    // close() reports the last write errors of some file systems, so it is checked.
    bool schliessen();

private:
    int fd_;
};

// Reads the whole regular file `pfad` into `inhalt`. Anything else is refused before a
// byte is read and without waiting: a folder (EISDIR), a named pipe, a device or a socket
// (Dateifehler). A file of more than `maxBytes` bytes gives Dateifehler::ZuGross. Returns
// the reason on failure, with `inhalt` unspecified; an empty error code on success.
[[nodiscard]] std::error_code DateiLesen(const std::string& pfad, std::size_t maxBytes, std::string& inhalt);

// Writes `daten` to the file `pfad`, replacing it in one step: the bytes go to a new file
// beside the target (TemporaerDateiname), reach the disk, and that file then takes the
// target's name. The target is thus either the old or the new content, never a part of
// either.
//
// A link, or a chain of links, is followed to the file it names, so the links stay and
// that file is replaced, or created when the last link dangles; a loop of links gives
// ELOOP. An existing file keeps its access rights (and its owner where the system lets
// us). The target is refused, left as it was, when it is not a regular file (a folder:
// EISDIR; a pipe, device or socket: Dateifehler) or when its user cannot write it (EACCES):
// replacing a file needs only the rights of its folder, so the file's own rights are
// checked first. For an ordinary user that is the system's own access check; the
// superuser passes every such check, so for him a file counts as write-protected when the
// permission bits of his class (owner, group or others, whichever he is) give no write
// right, e.g. after "chmod a-w".
//
// Returns the reason on failure, with the target untouched and the temporary file
// removed; an empty error code on success.
[[nodiscard]] std::error_code DateiErsetzen(const std::string& pfad, std::string_view daten);

// The name of the temporary file DateiErsetzen writes for the target `pfad` (a path in
// the same folder): ".<name>.orbisto-tmp", with the name shortened and a hash of the
// whole name added where that would exceed the longest name the folder allows. Always the
// same for the same target, so a save killed half-way leaves a file the next save of that
// target removes.
std::string TemporaerDateiname(const std::string& pfad);

}  // namespace orbisto

template <>
struct std::is_error_code_enum<orbisto::Dateifehler> : std::true_type {
};
