#include "sending/ParseKeySequence.h"
#include "support/sending/KeyActions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Actions = std::vector<KeyAction>;

Actions parse(std::string_view sequence) {
    return ParseKeySequence(sequence);
}

TEST(ParseKeySequence, TextAndGroupsSplitWithoutEmptyRuns) {
    EXPECT_EQ(parse(""), Actions{text("")});
    EXPECT_EQ(parse("a}b"), Actions{text("a}b")});
    EXPECT_EQ(parse("ab{cd"), Actions{text("ab{cd")});
    EXPECT_EQ(parse("x{a{b}y"), (Actions{text("x"), act(), text("y")}));
    EXPECT_EQ(parse("{x}{y}z"), (Actions{act(), act(), text("z")}));
    EXPECT_EQ(parse("{}"), Actions{act()});
    EXPECT_EQ(parse("a{F1}"), (Actions{text("a"), act(), press(112)}));
    // An unclosed group after a closed one is typed with the text after it.
    EXPECT_EQ(parse("{HOME}a{b"), (Actions{act(), press(36), text("a{b")}));
    EXPECT_EQ(parse("{END}}"), (Actions{act(), press(35), text("}")}));
}

TEST(ParseKeySequence, SpecialNamesBecomeControlCharactersInAnyCase) {
    EXPECT_EQ(parse("a{enter}b{Enter}"), Actions{text("a\rb\r")});
    EXPECT_EQ(parse("{TAB}{tab}"), Actions{text("\t\t")});
    EXPECT_EQ(parse("{Esc}{ESCAPE}{escape}"), Actions{text("\x1b\x1b\x1b")});
    // Only the exact names: blanks inside the braces make an ordinary group.
    EXPECT_EQ(parse("{ ENTER }"), Actions{act()});
    // The brace left over around a replaced name forms a group of its own.
    EXPECT_EQ(parse("{{ENTER}}"), Actions{act()});
    EXPECT_EQ(parse("{{ENTER}"), Actions{text("{\r")});
    EXPECT_EQ(replaceSpecialKeyNames("{ENTER}{ENTER"), "\r{ENTER");
}

TEST(ParseKeySequence, KeyNamesAreTrimmedAndMatchedInAnyCase) {
    EXPECT_EQ(parse("{ CtrlDown }"), (Actions{act(), down(17)}));
    EXPECT_EQ(parse("{\tshiftup\r}"), (Actions{act(), up(16)}));
    EXPECT_EQ(parse("{ALTDOWN}{CTRLDOWN}7{ALTUP}{CTRLUP}"),
              (Actions{act(), down(18), act(), down(17), text("7"), act(), up(18), act(), up(17)}));
    EXPECT_EQ(parse("{DEL}{DELETE}{ins}{Insert}"),
              (Actions{act(), press(46), act(), press(46), act(), press(45), act(), press(45)}));
    EXPECT_EQ(
        parse("{NUM0}{num9}{NUM*}{NUM+}{NUM-}{NUM.}{NUM/}{NUMLOCK}"),
        (Actions{act(), press(96), act(), press(105), act(), press(106), act(), press(107), act(),
                 press(109), act(), press(110), act(), press(111), act(), press(144)}));
    EXPECT_EQ(parse("{F12}{left}{UP}{Right}{down}"),
              (Actions{act(), press(123), act(), press(37), act(), press(38), act(), press(39),
                       act(), press(40)}));
    // Not names: the bare modifiers and keys outside the table.
    EXPECT_EQ(parse("{CTRL}{F13}{PGUP}"), (Actions{act(), act(), act()}));
}

TEST(ParseKeySequence, ModifierCombinationsAndTheirRejections) {
    EXPECT_EQ(parse("{CTRL-v}"), (Actions{act(), down(17), text("v"), up(17)}));
    EXPECT_EQ(parse("{ALT-F4}"), (Actions{act(), down(18), text("F4"), up(18)}));
    EXPECT_EQ(parse("{CTRL-a-b}"), (Actions{act(), down(17), text("a-b"), up(17)}));
    EXPECT_EQ(parse("{SHIFT-}"), (Actions{act(), down(16), text(""), up(16)}));
    EXPECT_EQ(parse("{ Alt-x }"), (Actions{act(), down(18), text("x"), up(18)}));
    const std::string filler(300, 'x');
    EXPECT_EQ(parse("{" + filler + "}"), Actions{act()});
    EXPECT_EQ(parse("{CTRL-" + filler + "}"), (Actions{act(), down(17), text(filler), up(17)}));
    // The key name wins over the dash.
    EXPECT_EQ(parse("{NUM-}"), (Actions{act(), press(109)}));
    EXPECT_EQ(parse("{CTRL -v}"), Actions{});
    EXPECT_EQ(parse("{WIN-r}"), Actions{});
    EXPECT_EQ(parse("{-x}"), Actions{});
    EXPECT_EQ(parse("a{X-y}b"), (Actions{text("a"), text("b")}));
}

} // namespace
