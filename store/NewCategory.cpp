// The Category field after New.
#include "store/NewCategory.h"

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
