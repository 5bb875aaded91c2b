// How texts come out in a given font: the characters that would be drawn as
// the default glyph, and how wide a caption is against its button. The font
// is always the one the control draws with (WM_GETFONT), so a caller at
// another screen density passes that density's font and button width.
#pragma once

#include <windows.h>

#include <string>

// The characters of text that neither the font's face nor any face linked to
// it has a glyph for. GetGlyphIndicesW looks in the face alone, while text
// drawing follows the face's links (FontLink\SystemLink, after the face's
// FontSubstitutes entry), so the links are followed here in the same way.
// A linked face that is not installed is skipped, as drawing skips it.
// Control characters are never drawn and are not looked up.
std::wstring MissingGlyphs(HFONT hFont, const std::wstring& text);

// The pixels by which a one-line caption, drawn centred as the hover button
// draws it, overflows a button of nClientWidth with nMargin pixels kept free
// on each side; 0 or less when it fits.
int CaptionOverflow(HFONT hFont, const std::wstring& caption, int nClientWidth, int nMargin);

// The size of text wrapped at words into nWidth, as a static text control
// draws it; wider than nWidth when a single word does not fit.
SIZE WrappedTextSize(HFONT hFont, const std::wstring& text, int nWidth);
