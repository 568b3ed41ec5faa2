// The folders of src/ are layers. A file may include headers of its own layer and of the
// layers below it, never of one above; and the engine's layers, which must build and run
// without a window system, include no Qt header at all. This test reads every #include
// line of the source tree and names each one that breaks these rules.

#include "schichten.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using orbisto::test::IncludeVerstoss;
using orbisto::test::SchichtVon;

TEST(IncludeLayers, RuleOnSingleLines)
{
    struct Fall {
        const char* datei;
        const char* zeile;
        bool erlaubt;
    };
    const Fall faelle[] = {
        // the same layer and the layers below
        {"engine/view/koerper.cpp", "#include \"view/tkosys.h\"", true},
        {"engine/view/koerper.cpp", "#include \"core/zahltext.h\"", true},
        {"engine/scenes/math/x.cpp", "#include \"scenes/szene.h\"", true},
        {"ui/windows/scenes/math/x_form.cpp", "#include \"widgets/szenenform.h\"", true},
        {"ui/windows/scenes/math/x_form.cpp", "#include \"scenes/math/x.h\"", true},
        {"ui/windows/scenes/math/x_form.cpp", "#include \"ui_x_form.h\"", true},
        {"ui/app/main.cpp", "#include \"windows/orbisto2013_form.h\"", true},
        {"gui/platform/bildzeichner.cpp", "#include \"programm/zeichnen.h\"", true},
        {"engine/view/koerper.cpp", "#include <GL/gl.h>", true},
        {"ui/widgets/spinedit_widget.cpp", "#include <QLineEdit>", true},
        // a layer above
        {"engine/objects/objektzeichnen.cpp", "#include \"programm/programm.h\"", false},
        {"engine/view/x.cpp", "#include \"objects/objektliste.h\"", false},
        {"gui/platform/x.cpp", "#include \"widgets/meldungen.h\"", false},
        {"ui/widgets/szenenform.cpp", "#include \"windows/orbisto2013_form.h\"", false},
        {"ui/windows/x.cpp", "#include \"app/fensterliste.h\"", false},
        // a folder that is no layer
        {"engine/core/x.cpp", "#include \"irgendwo/x.h\"", false},
        // Qt in the engine
        {"engine/core/zahltext.cpp", "#include <QString>", false},
        {"engine/scenes/x.cpp", "#  include <QtCore/QObject>", false},
        {"engine/programm/zeichnen.cpp", "#include <qglobal.h>", false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(IncludeVerstoss(f.datei, f.zeile).empty(), f.erlaubt) << f.datei << ": " << f.zeile;
}

TEST(IncludeLayers, EveryFolderIsALayer)
{
    for (const auto& eintrag : fs::recursive_directory_iterator(ORBISTO_QUELLEN)) {
        if (!eintrag.is_regular_file() || eintrag.path().filename() == "CMakeLists.txt")
            continue;
        const std::string relativ = fs::relative(eintrag.path(), ORBISTO_QUELLEN).generic_string();
        EXPECT_GE(SchichtVon(relativ), 0) << relativ << " lies in no layer";
    }
}

TEST(IncludeLayers, SourceTreeKeepsTheRules)
{
    std::vector<std::string> verstoesse;
    int dateien = 0;
    for (const auto& eintrag : fs::recursive_directory_iterator(ORBISTO_QUELLEN)) {
        const fs::path& pfad = eintrag.path();
        if (!eintrag.is_regular_file() || (pfad.extension() != ".h" && pfad.extension() != ".cpp"))
            continue;
        ++dateien;
        const std::string relativ = fs::relative(pfad, ORBISTO_QUELLEN).generic_string();
        std::ifstream ein(pfad);
        std::string zeile;
        for (int nr = 1; std::getline(ein, zeile); ++nr)
            if (const std::string grund = IncludeVerstoss(relativ, zeile); !grund.empty())
                verstoesse.push_back(relativ + ":" + std::to_string(nr) + ": " + grund);
    }
    EXPECT_GT(dateien, 100);  // the tree was found at all
    std::ostringstream liste;
    for (const std::string& v : verstoesse)
        liste << v << '\n';
    EXPECT_TRUE(verstoesse.empty()) << liste.str();
}

}  // namespace
