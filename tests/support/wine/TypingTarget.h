#pragma once

// The target program's window class and file name, for the tests that start it.
inline constexpr char kTypingTargetClass[] = "QuipTypingTarget";
inline constexpr char kTypingTargetProgram[] = "typing_target.exe";
