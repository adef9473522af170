#pragma once
// Operating-system services of the program: fonts, message boxes, files, the shell.
#include <cstdint>
#include <vector>

#include "host/text.h"

// Answer codes of ShowMessageBox.
inline constexpr int ANSWER_OK = 0;
inline constexpr int ANSWER_CANCEL = 1;
inline constexpr int ANSWER_ABORT = 2;
inline constexpr int ANSWER_RETRY = 3;
inline constexpr int ANSWER_IGNORE = 4;
inline constexpr int ANSWER_YES = 5;
inline constexpr int ANSWER_NO = 6;

// Flags of ShowMessageBox.
inline constexpr int MB_OK_ONLY = 0;
inline constexpr int MB_YES_NO_QUESTION = 36;

// Separator between a directory and a file name on this platform.
extern const Text PATH_SEPARATOR;

// Face names of the installed font families, in reverse of the platform's order, equal
// neighbours kept once; may be empty.
std::vector<Text> EnumerateFontNames();

// Modal box without owner; returns one of the ANSWER_ codes.
int ShowMessageBox(const Text& text, int flags, const Text& title);

// Creates or replaces the file atomically: an interrupted or failed write leaves the old file.
// Relative names resolve against the current directory. False on an empty name or any error.
bool WriteBytesToFile(const Text& name, const Bytes& bytes);

// Directory of the program file, without a trailing separator.
Text GetProgramDirectory();

void OpenWithShell(const Text& path);
void OpenWebAddress(const Text& address);

// 1 to 3 draw the standard controls themed with one of three colour schemes; other values
// return to the platform look.
void SetVisualStyle(int scheme);
