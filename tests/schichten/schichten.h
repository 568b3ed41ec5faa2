#pragma once
// The layers of src/ and the include rule between them, for the layer test.

#include <string>
#include <string_view>

namespace orbisto::test {

// The layer of a file given by its path below src/ ("engine/view/tkosys.h"), or of a
// header given as it is included ("view/tkosys.h"): 0 for core up to 9 for app, -1 for a
// path in no layer.
int SchichtVon(std::string_view pfad);

// Why one line of the file `datei` (a path below src/) breaks the rules, or "" when it
// keeps them or is no #include line: a header of a layer above the file's own, of a folder
// that is no layer, or a Qt header in an engine layer.
std::string IncludeVerstoss(std::string_view datei, std::string_view zeile);

}  // namespace orbisto::test
