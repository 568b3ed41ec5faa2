#pragma once
// Files written so that a failure never costs what was there, and file errors told in
// German. Shared by everything that saves: object lists and pictures alike.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace orbisto {

// The path of a UTF-8 file name (all names in the program are UTF-8).
std::filesystem::path Utf8Pfad(const std::string& utf8);

// The reason of a file error as the user reads it ("Zugriff verweigert" ...); the system's
// own text for anything rarer.
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

// Writes `daten` to the file `pfad` (UTF-8), replacing it in one step: the bytes go to a new
// file beside the target, reach the disk, and that file then takes the target's name. The
// target is thus either the old or the new content, never a part of either. A link is
// followed, so the link stays and the file it points at is replaced; an existing file's
// access rights are kept. Returns the reason on failure, with the target untouched and the
// temporary file removed; an empty error code on success.
[[nodiscard]] std::error_code DateiErsetzen(const std::string& pfad, std::string_view daten);

}  // namespace orbisto
