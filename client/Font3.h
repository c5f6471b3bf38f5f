// The glyph font: one small mesh per character, drawn through the scene program.
#pragma once

// Loads the glyph set and sets the text projection and scalef for the window size.
void BuildFont();
// Releases the glyph buffers.
void KillFont();
