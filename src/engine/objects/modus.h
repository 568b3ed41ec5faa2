#pragma once
// The display mode: which list entries the view draws and whether the editor is open.

#include <cstdint>

namespace orbisto {

enum class tModus : std::int32_t {
    Original = 0,            // Original-Modus: the entries marked "Orig"
    VorschauNeu = 1,         // Vorschau-Modus for a new object: entries marked "Vor" and the new object
    VorschauBearbeiten = 2,  // Vorschau-Modus while a list entry is edited
};

}  // namespace orbisto
