#include "sending/ParseKeySequence.h"
#include "support/sending/KeyActions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Actions = std::vector<KeyAction>;

Actions Parse(std::string_view sequence) {
    return ParseKeySequence(sequence);
}

TEST(ParseKeySequence, TextAndGroupsSplitWithoutEmptyRuns) {
    EXPECT_EQ(Parse(""), Actions{Text("")});
    EXPECT_EQ(Parse("a}b"), Actions{Text("a}b")});
    EXPECT_EQ(Parse("ab{cd"), Actions{Text("ab{cd")});
    EXPECT_EQ(Parse("x{a{b}y"), (Actions{Text("x"), Act(), Text("y")}));
    EXPECT_EQ(Parse("{x}{y}z"), (Actions{Act(), Act(), Text("z")}));
    EXPECT_EQ(Parse("{}"), Actions{Act()});
    EXPECT_EQ(Parse("a{F1}"), (Actions{Text("a"), Act(), Press(112)}));
    // An unclosed group after a closed one is typed with the text after it.
    EXPECT_EQ(Parse("{HOME}a{b"), (Actions{Act(), Press(36), Text("a{b")}));
    EXPECT_EQ(Parse("{END}}"), (Actions{Act(), Press(35), Text("}")}));
}

TEST(ParseKeySequence, SpecialNamesBecomeControlCharactersInAnyCase) {
    EXPECT_EQ(Parse("a{enter}b{Enter}"), Actions{Text("a\rb\r")});
    EXPECT_EQ(Parse("{TAB}{tab}"), Actions{Text("\t\t")});
    EXPECT_EQ(Parse("{Esc}{ESCAPE}{escape}"), Actions{Text("\x1b\x1b\x1b")});
    // Only the exact names: blanks inside the braces make an ordinary group.
    EXPECT_EQ(Parse("{ ENTER }"), Actions{Act()});
    // The brace left over around a replaced name forms a group of its own.
    EXPECT_EQ(Parse("{{ENTER}}"), Actions{Act()});
    EXPECT_EQ(Parse("{{ENTER}"), Actions{Text("{\r")});
    EXPECT_EQ(ReplaceSpecialKeyNames("{ENTER}{ENTER"), "\r{ENTER");
}

TEST(ParseKeySequence, KeyNamesAreTrimmedAndMatchedInAnyCase) {
    EXPECT_EQ(Parse("{ CtrlDown }"), (Actions{Act(), Down(17)}));
    EXPECT_EQ(Parse("{\tshiftup\r}"), (Actions{Act(), Up(16)}));
    EXPECT_EQ(Parse("{ALTDOWN}{CTRLDOWN}7{ALTUP}{CTRLUP}"),
              (Actions{Act(), Down(18), Act(), Down(17), Text("7"), Act(), Up(18), Act(), Up(17)}));
    EXPECT_EQ(Parse("{DEL}{DELETE}{ins}{Insert}"),
              (Actions{Act(), Press(46), Act(), Press(46), Act(), Press(45), Act(), Press(45)}));
    EXPECT_EQ(
        Parse("{NUM0}{num9}{NUM*}{NUM+}{NUM-}{NUM.}{NUM/}{NUMLOCK}"),
        (Actions{Act(), Press(96), Act(), Press(105), Act(), Press(106), Act(), Press(107), Act(),
                 Press(109), Act(), Press(110), Act(), Press(111), Act(), Press(144)}));
    EXPECT_EQ(Parse("{F12}{left}{UP}{Right}{down}"),
              (Actions{Act(), Press(123), Act(), Press(37), Act(), Press(38), Act(), Press(39),
                       Act(), Press(40)}));
    // Not names: the bare modifiers and keys outside the table.
    EXPECT_EQ(Parse("{CTRL}{F13}{PGUP}"), (Actions{Act(), Act(), Act()}));
}

TEST(ParseKeySequence, ModifierCombinationsAndTheirRejections) {
    EXPECT_EQ(Parse("{CTRL-v}"), (Actions{Act(), Down(17), Text("v"), Up(17)}));
    EXPECT_EQ(Parse("{ALT-F4}"), (Actions{Act(), Down(18), Text("F4"), Up(18)}));
    EXPECT_EQ(Parse("{CTRL-a-b}"), (Actions{Act(), Down(17), Text("a-b"), Up(17)}));
    EXPECT_EQ(Parse("{SHIFT-}"), (Actions{Act(), Down(16), Text(""), Up(16)}));
    EXPECT_EQ(Parse("{ Alt-x }"), (Actions{Act(), Down(18), Text("x"), Up(18)}));
    const std::string filler(300, 'x');
    EXPECT_EQ(Parse("{" + filler + "}"), Actions{Act()});
    EXPECT_EQ(Parse("{CTRL-" + filler + "}"), (Actions{Act(), Down(17), Text(filler), Up(17)}));
    // The key name wins over the dash.
    EXPECT_EQ(Parse("{NUM-}"), (Actions{Act(), Press(109)}));
    EXPECT_EQ(Parse("{CTRL -v}"), Actions{});
    EXPECT_EQ(Parse("{WIN-r}"), Actions{});
    EXPECT_EQ(Parse("{-x}"), Actions{});
    EXPECT_EQ(Parse("a{X-y}b"), (Actions{Text("a"), Text("b")}));
}

} // namespace
