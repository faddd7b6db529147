#pragma once

// The target program's window class and file name, for the tests that start it.
inline constexpr char TypingTargetClass[] = "QuipTypingTarget";
inline constexpr char TypingTargetProgram[] = "typing_target.exe";
