#include "runtime/WholeNumber.h"
#include "runtime/QuipError.h"

#include <gtest/gtest.h>

#include <optional>

TEST(WholeNumber, ReadsDecimalAndHexadecimalNumbers) {
    const std::pair<const char*, int> cases[] = {
        {"0", 0},
        {"007", 7},
        {"   42", 42},
        {"+7", 7},
        {"-7", -7},
        {"$1F", 31},
        {"0x1f", 31},
        {"0X1F", 31},
        {"-$10", -16},
        {" +$a", 10},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$FFFFFFFF", -1},
        {"0x80000000", -2147483647 - 1},
        {"$00000000000000001", 1},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(parseWholeNumber(text), std::optional<int>(expected)) << text;
    }
}

TEST(WholeNumber, RejectsEverythingElse) {
    const char* cases[] = {
        "",     " ",   "-",   "+",          "$",           "0x",         "abc",
        "12a",  "1 2", "42 ", "\t42",       "1.5",         "+-1",        "x10",
        "0x1G", "$-1", "- 1", "2147483648", "-2147483649", "$100000000", "99999999999999999999",
    };
    for (const char* text : cases) {
        EXPECT_EQ(parseWholeNumber(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(WholeNumber, ConversionErrorQuotesTheTextRead) {
    const auto messageFor = [](QByteArrayView text) {
        try {
            toWholeNumber(text);
        } catch (const QuipError& error) {
            return error.message();
        }
        return QStringLiteral("no error");
    };
    EXPECT_EQ(messageFor(""), QStringLiteral("'' ist kein gültiger Integerwert"));
    EXPECT_EQ(messageFor("zw\xF6lf"), QStringLiteral("'zwölf' ist kein gültiger Integerwert"));
    EXPECT_EQ(toWholeNumber("-12"), -12);
}

TEST(WholeNumber, BooleansAreNonZeroNumbersWithADefaultForOtherText) {
    EXPECT_TRUE(toBoolean("1", false));
    EXPECT_TRUE(toBoolean("-1", false));
    EXPECT_TRUE(toBoolean("0x20", false));
    EXPECT_FALSE(toBoolean("0", true));
    EXPECT_FALSE(toBoolean("$0", true));
    EXPECT_TRUE(toBoolean("abc", true));
    EXPECT_FALSE(toBoolean("abc", false));
    EXPECT_TRUE(toBoolean("", true));
    EXPECT_TRUE(toBoolean("99999999999", true));
}
