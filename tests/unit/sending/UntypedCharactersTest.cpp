#include "sending/UntypedCharacters.h"

#include <gtest/gtest.h>

TEST(UntypedCharacters, TheMessageNamesEachCharacterAndTheInvisibleOnesByName) {
    EXPECT_EQ(untypedCharactersMessage("\x89\xE3"),
              "Diese Zeichen kann die Tastaturbelegung nicht schreiben, sie wurden nicht "
              "gesendet: \x89 \xE3");
    EXPECT_EQ(untypedCharactersMessage("\xA0\xAD"),
              "Diese Zeichen kann die Tastaturbelegung nicht schreiben, sie wurden nicht "
              "gesendet: (gesch\xFCtztes Leerzeichen) (bedingter Trennstrich)");
}
