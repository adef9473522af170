#pragma once

// Themes the standard controls of all present and later windows with one of three colour
// schemes (1 to 3); any other value returns to the platform look.
void ApplyVisualStyle(int scheme);
