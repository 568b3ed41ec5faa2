// Files on disk: a save replaces its target in one step or leaves it alone, follows links
// to their file, refuses what it must not replace and cleans up after a save that was
// killed; reading never blocks on something that is no file; every system error is told
// in German; names are bytes.

#include "core/dateien.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

using namespace orbisto;
namespace fs = std::filesystem;

namespace {

std::error_code Errno(int nummer) { return {nummer, std::generic_category()}; }

TEST(DateiFehlerGrund, EveryErrorNumberIsToldInGerman)
{
    // The errors a file operation can give each have a text of their own.
    for (const int nummer : {ELOOP,  EROFS,   ENOSPC, EDQUOT, EIO,    EMFILE, ENFILE,    EBUSY,  ETXTBSY,
                             EEXIST, ENXIO,   ENODEV, EINVAL, EXDEV,  EAGAIN, ENOMEM,    EFBIG,  ENAMETOOLONG,
                             EISDIR, ENOTDIR, EPERM,  EACCES, ENOENT, EINTR,  EOVERFLOW, ESTALE, EOPNOTSUPP})
        EXPECT_FALSE(DateiFehlerGrund(Errno(nummer)).starts_with("Systemfehler")) << nummer;
    EXPECT_EQ(DateiFehlerGrund(Errno(EACCES)), "Zugriff verweigert");

    // No number, known or not, lets the system's English text through, whichever category
    // carries it.
    for (int nummer = 1; nummer <= 133; ++nummer) {
        const std::string englisch = std::generic_category().message(nummer);
        for (const std::error_code ec : {Errno(nummer), std::error_code(nummer, std::system_category())}) {
            const std::string grund = DateiFehlerGrund(ec);
            EXPECT_FALSE(grund.empty()) << nummer;
            EXPECT_EQ(grund.find(englisch), std::string::npos) << nummer << ": " << grund;
        }
    }
    EXPECT_EQ(DateiFehlerGrund(Errno(4000)), "Systemfehler Nr. 4000");
    EXPECT_EQ(DateiFehlerGrund(make_error_code(std::io_errc::stream)),
              "Fehler beim Lesen oder Schreiben eines Datenstroms");
    EXPECT_EQ(DateiFehlerGrund(Dateifehler::Pipe), "Das ist eine Pipe (FIFO), keine gewöhnliche Datei");
}

class DateienAufPlatte : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner = fs::temp_directory_path() / ("orbisto-dateien-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }

    std::string Pfad(const std::string& name) const { return (ordner / name).string(); }

    static std::string Inhalt(const std::string& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Schreiben(const std::string& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }
    // Every name in the folder, hidden ones included: a temporary file left behind shows.
    std::vector<std::string> Namen() const
    {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(ordner))
            namen.push_back(e.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    }
    static std::string LinkZiel(const std::string& p) { return fs::read_symlink(p).string(); }
    static fs::perms Rechte(const std::string& p) { return fs::symlink_status(p).permissions(); }

    fs::path ordner;
};

TEST_F(DateienAufPlatte, WriteProtectedFilesAreRefusedAndKept)
{
    using P = fs::perms;
    const struct {
        const char* name;
        fs::perms rechte;
        bool ersetzt;
    } faelle[] = {
        {"liste.o3d", P::owner_read | P::group_read | P::others_read, false},  // chmod a-w
        {"bild.jpg", P::owner_read | P::group_read | P::others_read, false},
        {"privat.o3d", P::none, false},
        // Others may write, the owner may not: the owner's bits decide for the owner.
        {"fremd.jpg", P::owner_read | P::others_read | P::others_write, false},
        {"offen.o3d", P::owner_read | P::owner_write, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const std::string datei = Pfad(f.name);
        Schreiben(datei, "alt");
        fs::permissions(datei, f.rechte);
        const std::error_code ec = DateiErsetzen(datei, "neu");
        EXPECT_EQ(Inhalt(datei), f.ersetzt ? "neu" : "alt");
        EXPECT_EQ(Rechte(datei), f.rechte);
        if (!f.ersetzt)
            EXPECT_EQ(DateiFehlerGrund(ec), "Zugriff verweigert");
        else
            EXPECT_FALSE(ec) << ec.message();
        EXPECT_EQ(Namen(), std::vector<std::string>{f.name}) << "no temporary file left";
        fs::remove(datei);
    }
}

TEST_F(DateienAufPlatte, OnlyRegularFilesAreReplaced)
{
    ASSERT_EQ(::mkfifo(Pfad("pipe.o3d").c_str(), 0644), 0);
    fs::create_directory(Pfad("ordner.o3d"));
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    const std::string sockPfad = Pfad("socket.o3d");
    ASSERT_LT(sockPfad.size(), sizeof adresse.sun_path);
    std::strcpy(adresse.sun_path, sockPfad.c_str());
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse), 0);
    ::close(sock);
    const std::vector<std::string> vorher = Namen();

    const struct {
        const char* name;
        std::string grund;
    } faelle[] = {
        {"pipe.o3d", "Das ist eine Pipe (FIFO), keine gewöhnliche Datei"},
        {"ordner.o3d", "Das ist ein Verzeichnis"},
        {"ordner.o3d/", "Das ist ein Verzeichnis"},
        {"socket.o3d", "Das ist keine gewöhnliche Datei"},
        {"fehlt/", "Datei oder Verzeichnis nicht gefunden"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(DateiFehlerGrund(DateiErsetzen(Pfad(f.name), "neu")), f.grund);
        EXPECT_EQ(Namen(), vorher);
    }
    EXPECT_TRUE(fs::is_fifo(Pfad("pipe.o3d")));
    EXPECT_TRUE(fs::is_empty(Pfad("ordner.o3d")));
}

TEST_F(DateienAufPlatte, LinksAreFollowedToTheirFileAndStay)
{
    fs::create_directory(Pfad("sub"));
    const struct {
        std::string name;
        std::vector<std::pair<std::string, std::string>> links;  // name, where it points
        std::string ziel;                                        // the file written, "" for none
        std::string grund;                                       // "" for success
    } faelle[] = {
        {"dangling link: its target is created", {{"link.o3d", "neu.o3d"}}, "neu.o3d", ""},
        {"chain of links", {{"a.o3d", "b.o3d"}, {"b.o3d", "sub/c.o3d"}, {"sub/c.o3d", "d.o3d"}}, "sub/d.o3d", ""},
        {"relative to the link's folder", {{"sub/link.o3d", "../oben.o3d"}}, "oben.o3d", ""},
        {"absolute target", {{"link.o3d", "@absolut.o3d"}}, "absolut.o3d", ""},
        {"loop", {{"a.o3d", "b.o3d"}, {"b.o3d", "a.o3d"}}, "", "Zu viele symbolische Links"},
        {"link to itself", {{"a.o3d", "a.o3d"}}, "", "Zu viele symbolische Links"},
        {"link to a folder", {{"a.o3d", "sub"}}, "", "Das ist ein Verzeichnis"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        for (const auto& [link, ziel] : f.links)
            fs::create_symlink(ziel.starts_with('@') ? Pfad(ziel.substr(1)) : ziel, Pfad(link));

        const std::error_code ec = DateiErsetzen(Pfad(f.links.front().first), "neu");
        if (f.grund.empty()) {
            EXPECT_FALSE(ec) << DateiFehlerGrund(ec);
            EXPECT_EQ(Inhalt(Pfad(f.ziel)), "neu");
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Pfad(f.ziel))));
        } else {
            EXPECT_NE(DateiFehlerGrund(ec).find(f.grund), std::string::npos) << DateiFehlerGrund(ec);
        }
        for (const auto& [link, ziel] : f.links) {
            ASSERT_TRUE(fs::is_symlink(Pfad(link))) << link;
            EXPECT_EQ(LinkZiel(Pfad(link)), ziel.starts_with('@') ? Pfad(ziel.substr(1)) : ziel);
        }

        for (const auto& e : fs::recursive_directory_iterator(ordner))
            EXPECT_EQ(e.path().filename().string().find(".orbisto-tmp"), std::string::npos) << e.path();
        for (const auto& [link, ziel] : f.links)
            fs::remove(Pfad(link));
        if (!f.ziel.empty())
            fs::remove(Pfad(f.ziel));
    }
}

TEST_F(DateienAufPlatte, ALinkToAWriteProtectedFileIsRefused)
{
    Schreiben(Pfad("liste.o3d"), "alt");
    fs::permissions(Pfad("liste.o3d"), fs::perms::owner_read);
    fs::create_symlink("liste.o3d", Pfad("link.o3d"));
    EXPECT_EQ(DateiFehlerGrund(DateiErsetzen(Pfad("link.o3d"), "neu")), "Zugriff verweigert");
    EXPECT_EQ(Inhalt(Pfad("liste.o3d")), "alt");
    EXPECT_TRUE(fs::is_symlink(Pfad("link.o3d")));
}

TEST_F(DateienAufPlatte, TheTemporaryFileIsNamedAfterItsTarget)
{
    EXPECT_EQ(TemporaerDateiname("/a/b/liste.o3d"), "/a/b/.liste.o3d.orbisto-tmp");
    EXPECT_EQ(TemporaerDateiname("liste.o3d"), ".liste.o3d.orbisto-tmp");

    // Near the longest name a folder allows, the name is cut (between characters) and made
    // unique by a hash of the whole, always the same for the same target.
    const std::string lang = std::string(250, 'a') + ".o3d";
    std::string umlaute = "xx", umlauteAnfang = "xx";  // 254 bytes; 224 of them fit before the hash
    for (int i = 0; i < 126; ++i) {
        umlaute += "ä";
        if (i < 111)
            umlauteAnfang += "ä";
    }
    const std::string ersterTemp = TemporaerDateiname(Pfad(lang));
    EXPECT_EQ(ersterTemp, TemporaerDateiname(Pfad(lang)));
    EXPECT_NE(ersterTemp, TemporaerDateiname(Pfad(std::string(250, 'a') + ".jpg")));
    for (const auto& [name, anfang] : {std::pair{lang, std::string(225, 'a')}, std::pair{umlaute, umlauteAnfang}}) {
        SCOPED_TRACE(name.size());
        const std::string temp = fs::path(TemporaerDateiname(Pfad(name))).filename().string();
        EXPECT_EQ(temp.size(), 1 + anfang.size() + 1 + 16 + std::string_view(".orbisto-tmp").size()) << temp;
        EXPECT_TRUE(temp.starts_with("." + anfang + "-")) << temp;
        EXPECT_TRUE(temp.ends_with(".orbisto-tmp")) << temp;
        EXPECT_FALSE(DateiErsetzen(Pfad(name), "neu"));
        EXPECT_EQ(Inhalt(Pfad(name)), "neu");
    }
    EXPECT_EQ(Namen(), (std::vector<std::string>{lang, umlaute}));
}

TEST_F(DateienAufPlatte, ALeftoverOfAKilledSaveIsReplacedNeverFollowed)
{
    const std::string lang = std::string(250, 'l') + ".o3d";
    Schreiben(Pfad("opfer"), "fremd");
    const struct {
        std::string name;
        bool alsLink;  // the leftover is a link planted at the temporary file's name
    } faelle[] = {
        {"liste.o3d", false},
        {"bild.jpg", true},
        {lang, false},
        {lang, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name.substr(0, 20) + (f.alsLink ? " link" : " file"));
        const std::string ziel = Pfad(f.name), temp = TemporaerDateiname(ziel);
        Schreiben(ziel, "alt");
        if (f.alsLink)
            fs::create_symlink(Pfad("opfer"), temp);
        else
            Schreiben(temp, "halb geschrie");
        EXPECT_FALSE(DateiErsetzen(ziel, "neu"));
        EXPECT_EQ(Inhalt(ziel), "neu");
        EXPECT_EQ(Inhalt(Pfad("opfer")), "fremd");
        EXPECT_EQ(Namen(), (std::vector<std::string>{f.name, "opfer"}));
        fs::remove(ziel);
    }
}

TEST_F(DateienAufPlatte, NamesAreBytesNotText)
{
    // Latin-1 and a cut-short UTF-8 sequence: names a file system holds, but no UTF-8.
    for (const std::string name : {"liste\xE4.o3d", "bild\xC3.jpg"}) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(DateiErsetzen(Pfad(name), "neu"));
        EXPECT_EQ(Namen(), std::vector<std::string>{name});
        std::string gelesen;
        ASSERT_FALSE(DateiLesen(Pfad(name), 100, gelesen));
        EXPECT_EQ(gelesen, "neu");
        EXPECT_TRUE(fs::exists(Utf8Pfad(Pfad(name))));
        fs::remove(Pfad(name));
    }
}

// Runs `lesen` on a thread of its own; when it has not returned after a few seconds it
// counts as blocked: `loesen` then frees it (so the test ends instead of hanging) and the
// test fails.
std::error_code OhneWarten(const std::function<std::error_code()>& lesen, const std::function<void()>& loesen)
{
    std::packaged_task<std::error_code()> aufgabe(lesen);
    std::future<std::error_code> ergebnis = aufgabe.get_future();
    std::thread faden(std::move(aufgabe));
    if (ergebnis.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "reading blocked";
        loesen();
    }
    faden.join();
    return ergebnis.get();
}

TEST_F(DateienAufPlatte, ReadingTakesRegularFilesOnlyAndNeverBlocks)
{
    Schreiben(Pfad("liste.o3d"), "0123456789");
    const std::string pipe = Pfad("pipe.o3d");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    fs::create_directory(Pfad("ordner"));

    const struct {
        std::string pfad;
        std::size_t max;
        std::string grund;  // "" for read
    } faelle[] = {
        {Pfad("liste.o3d"), 10, ""},
        {Pfad("liste.o3d"), 9, "Die Datei ist zu groß"},
        {pipe, 100, "Das ist eine Pipe (FIFO), keine gewöhnliche Datei"},
        {"/dev/null", 100, "Das ist ein Gerät, keine gewöhnliche Datei"},
        {"/dev/zero", 100, "Das ist ein Gerät, keine gewöhnliche Datei"},
        {Pfad("ordner"), 100, "Das ist ein Verzeichnis"},
        {Pfad("fehlt.o3d"), 100, "Datei oder Verzeichnis nicht gefunden"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.pfad);
        std::string inhalt;
        const std::error_code ec = OhneWarten([&] { return DateiLesen(f.pfad, f.max, inhalt); },
                                              [&] {
                                                  // a writer that comes and goes ends a wait on the pipe
                                                  const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
                                                  if (fd >= 0)
                                                      ::close(fd);
                                              });
        if (f.grund.empty()) {
            EXPECT_FALSE(ec) << DateiFehlerGrund(ec);
            EXPECT_EQ(inhalt, "0123456789");
        } else {
            EXPECT_EQ(DateiFehlerGrund(ec), f.grund);
        }
    }

    // A pipe with a writer at the other end is no file either.
    const int schreiber = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(schreiber, 0);
    std::string inhalt;
    EXPECT_EQ(OhneWarten([&] { return DateiLesen(pipe, 100, inhalt); }, [] {}), Dateifehler::Pipe);
    ::close(schreiber);
}

}  // namespace
