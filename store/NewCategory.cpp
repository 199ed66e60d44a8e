// The Category field after New.
#include "store/NewCategory.h"

#include "store/TextConv.h"

CNewCategory ChooseNewCategory(std::string_view newCategory, const CCategoryList& categories) {
    CNewCategory choice;
    if (newCategory == "LAST") return choice;
    if (newCategory == "NONE") {
        choice.action = CNewCategory::empty;
        return choice;
    }
    const int index = categories.Find(newCategory);
    if (index >= 0) {
        choice.action = CNewCategory::select;
        choice.index = index;
    }
    return choice;
}

std::vector<std::string> NewCategoryChoices(const std::vector<std::string>& categories) {
    std::vector<std::string> choices = {"LAST", "NONE"};
    choices.insert(choices.end(), categories.begin(), categories.end());
    return choices;
}

int FindNewCategoryChoice(const std::vector<std::string>& choices, std::string_view text) {
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (TextConv().EqualNoCase(choices[i], text)) return static_cast<int>(i);
    return 0;
}
