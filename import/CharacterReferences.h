// Character references in the texts of a bookmark file: browsers write '&' as "&amp;", a quote
// in a title as "&quot;" or "&#39;", and characters outside the file's encoding as "&#N;".
#pragma once

#include <string>

#include "store/TextConv.h"

// Replaces each reference in `text` by its character: "&amp;", "&lt;", "&gt;", "&quot;",
// "&apos;", "&nbsp;", "&#N;" and "&#xH;". A numeric reference becomes UTF-8 bytes when `utf8` is
// set, else the ANSI form that `conv` gives it. A reference that is not one of these, lacks its
// ';' or names no character stays as written.
void DecodeCharacterReferences(std::string& text, bool utf8, const CTextConv& conv);
