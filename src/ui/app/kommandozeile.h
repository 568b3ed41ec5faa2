#pragma once
// The command line. Without options the program opens its window, with the object lists
// named on the command line. With --bild it draws each list into a picture file and ends,
// without any window and without a display server: that call is recognised before any
// application object exists, because a widget application would need a display.
//
//   orbisto [liste.o3d]                               the window, with this list
//   orbisto --bild bild.png [--groesse 1200x900] liste.o3d
//   orbisto --bild ordner [--format jpg] a.o3d b.o3d  one picture per list, named after it
//   orbisto --help | --version
//
// Exit status 0 on success, 1 when a picture could not be made, 2 for a wrong call.

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;
class QCoreApplication;

namespace orbisto {

// The size of a picture when --groesse does not say.
inline constexpr QSize BildGroesseVorgabe{600, 620};
// The largest side of a picture; far beyond any screen, within any OpenGL's limits.
inline constexpr int BildSeiteMax = 8192;

// Name and version of the program, for --version and the window system.
void AnwendungBenennen(QCoreApplication& app);

// The options and arguments the program understands, with German help texts.
void OptionenEinrichten(QCommandLineParser& parser);

// Whether the arguments ask for something that needs no window: help, version or
// pictures. Looks at the raw arguments, before any application object exists.
bool OhneFenster(int argc, char* argv[]);

// Runs such a call on Qt's "offscreen" platform and returns the exit status. Messages go to
// stdout (help, version) and stderr (errors, in German).
int OhneFensterAusfuehren(int argc, char* argv[]);

// The object lists to open in the window, from argc and argv as the QApplication left
// them (it takes out its own options), so that each name keeps its bytes. Prints the
// error to stderr and returns nothing when the arguments are wrong.
std::optional<QStringList> FensterArgumente(int argc, char* argv[]);

// "1200x900" as a size; nothing for anything else or a side outside 1..BildSeiteMax.
std::optional<QSize> BildGroesseLesen(const QString& text);

}  // namespace orbisto
