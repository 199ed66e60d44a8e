// The Category field after New, as m_strNewCategory asks: "LAST" keeps the field's text, "NONE"
// empties it, and any other value selects the listed category of that name (without regard to
// case), keeping the text when none is listed. The keywords are compared case-sensitively, so a
// category named "Last" is an ordinary name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/CategoryList.h"

struct CNewCategory {
    enum EAction { keep, empty, select };
    EAction action = keep;
    int index = -1;  // select: the entry of the category list (and of its combo box)
};

CNewCategory ChooseNewCategory(std::string_view newCategory, const CCategoryList& categories);

// The choices of the Categories page for New: "LAST", "NONE", then the categories in order.
std::vector<std::string> NewCategoryChoices(const std::vector<std::string>& categories);
// The choice to select for `text` (the same text in any letter case), or 0 ("LAST").
int FindNewCategoryChoice(const std::vector<std::string>& choices, std::string_view text);
