// The list of records and the category list.
#include <gtest/gtest.h>

#include "store/CategoryList.h"
#include "store/TextConv.h"
#include "tests/core/NumberedList.h"

// A record replaced from views of its own texts must not read them after they were overwritten.
TEST(LinkList, ReplaceFromTheRecordsOwnTextsKeepsAddedAndTheRow) {
    CLinkList list;
    testlist::Fill(list, 3);
    CLinkItem& item = *list.GetAt(1);
    item.m_strDescription = "new title";
    CLinkList::Replace(item, item.m_strDescription, item.m_strTitle, "d", "Cat",
                       CDateTime(46030.0, 1));
    EXPECT_EQ("new title|1|Cat",
              item.m_strTitle.str() + "|" + item.m_strLink.str() + "|" + item.m_strCategory.str());
    EXPECT_EQ(testlist::kAdded, item.m_dtAdded);
    EXPECT_EQ(1, list.FindRow(&item));
}

TEST(CategoryList, InsertsInNaturalOrderAndLooksUpThroughTheTextConversions) {
    CCategoryList categories;
    for (const char* name : {"Item 10", "Item 9", "item 2", "Item 9"})
        categories.InsertSorted(name);
    std::string names;
    for (const std::string& name : categories.Names()) names += name + "|";
    EXPECT_EQ("item 2|Item 9|Item 9|Item 10|", names);
    class CAllEqual : public CTextConv {
    public:
        std::string FoldCase(std::string_view) const override { return "same"; }
    } allEqual;
    SetTextConv(&allEqual);
    CCategoryList folded;
    folded.InsertSorted("News");
    EXPECT_EQ(0, folded.Find("Sport"));
    SetTextConv(nullptr);
    EXPECT_EQ(-1, folded.Find("Sport"));
}
