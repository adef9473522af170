#pragma once
// The installed fonts and the catalogue of records every preview starts from.
#include <cstdint>
#include <vector>

#include "catalogue/char_format.h"

// The catalogue and the preview's working lists never have fewer slots than this; they grow
// with the platform's list so that no installed font is left out.
inline constexpr int32_t CATALOGUE_SLOTS = 500;

extern std::vector<Text> systemFontNames;
extern std::vector<字符格式> fontCatalogue;
extern int32_t fontCount;

void InitCatalogue();
// Handler of the main window's created event.
void LoadFontCatalogue();
// The program's exit routine.
void ReleaseCatalogue();

// Start-up, message loop and exit; returns the process exit code.
int ProgramEntry(int argc, char** argv);
