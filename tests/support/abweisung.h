#pragma once
// For the model tests of the scenes: a change that must be refused with a German message.
// Header only and for GoogleTest programs; the support library itself has no test framework.

#include "core/allgemeinerfehler.h"

#include <gtest/gtest.h>

#include <string>

// Runs `aendern`, which must throw AllgemeinerFehler whose text is exactly `meldung`.
template <class Aendern>
void ErwarteAbweisung(Aendern&& aendern, const std::string& meldung)
{
    try {
        aendern();
        ADD_FAILURE() << "accepted";
    } catch (const orbisto::AllgemeinerFehler& fehler) {
        EXPECT_EQ(fehler.what(), meldung);
    }
}
