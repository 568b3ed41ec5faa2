// Prints the object lists the window would open, as FensterArgumente finds them on this
// program's command line: the bytes of each name, one per line. The command line test
// runs it with names that are not UTF-8.

#include "app/kommandozeile.h"
#include "widgets/dateinamen.h"

#include <QApplication>

#include <cstdio>
#include <optional>
#include <string>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);  // as main() has it: Qt takes out its own options
    const std::optional<QStringList> listen = orbisto::FensterArgumente(argc, argv);
    if (!listen)
        return 2;
    for (const QString& liste : *listen) {
        const std::string bytes = orbisto::DateinameBytes(liste) + "\n";
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    }
    return 0;
}
