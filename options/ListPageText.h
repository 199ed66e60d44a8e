// A text that the pages editing a list (categories, title-case exceptions) share.
#pragma once

// Edit found no selected entry at the list's caret.
inline constexpr const char* kMessageSelectItem =
    "Please select an item.  (The current item may have been deselected.)";
