#include <gtest/gtest.h>

#include "tests/core/NumberedList.h"

#include <map>
#include <string>
#include <vector>

#include "store/CategoryList.h"
#include "store/LinkList.h"
#include "store/TextConv.h"

namespace {

using testlist::kAdded;

using testlist::Fill;
using testlist::Titles;
std::string Titles(const std::vector<CLinkList::ItemPtr>& items) {
    std::string titles;
    for (const auto& item : items) titles += (titles.empty() ? "" : ",") + item->m_strTitle.str();
    return titles;
}
std::string Names(const CCategoryList& categories) {
    std::string names;
    for (const std::string& name : categories.Names()) names += (names.empty() ? "" : "|") + name;
    return names;
}

}  // namespace

TEST(LinkList, ReplaceKeepsAddedAndRowEvenFromItsOwnTexts) {
    CLinkList list;
    Fill(list, 3);
    CLinkItem& item = *list.GetAt(1);
    item.m_strDescription = "new title";
    const CDateTime modified(46030.0, CDateTime::valid);
    CLinkList::Replace(item, item.m_strDescription, item.m_strTitle, "d", "Cat", modified);
    EXPECT_EQ(1, list.FindRow(&item));
    EXPECT_EQ("new title", item.m_strTitle.str());
    EXPECT_EQ("1", item.m_strLink.str());
    EXPECT_EQ("Cat", item.m_strCategory.str());
    EXPECT_EQ(kAdded, item.m_dtAdded);
    EXPECT_EQ(modified, item.m_dtModified);
}

TEST(LinkList, DeleteRowsHandsOutRecordsInListOrder) {
    CLinkList list;
    Fill(list, 10);
    EXPECT_EQ("2,3,7", Titles(list.DeleteRows({2, 3, 7})));
    EXPECT_EQ("0,1,4,5,6,8,9", Titles(list));
    // Unsorted, repeated and out-of-range rows are not trusted.
    EXPECT_EQ("0,9", Titles(list.DeleteRows({6, 0, 6, 99})));
    EXPECT_EQ("1,4,5,6,8", Titles(list));
}

TEST(LinkList, DeleteItemsFindsRecordsAfterTheyMoved) {
    CLinkList list;
    Fill(list, 6);
    const CLinkItem* row4 = list.GetAt(4);
    const CLinkItem* row0 = list.GetAt(0);
    auto moved = list.DeleteRows({0, 1});  // back at the end, as Undo of a Delete puts them
    ASSERT_TRUE(list.Append(moved));
    ASSERT_EQ("2,3,4,5,0,1", Titles(list));
    const CLinkItem stranger;
    EXPECT_EQ(-1, list.FindRow(&stranger));
    EXPECT_EQ("4,0", Titles(list.DeleteItems({row4, &stranger, row0, row4})));
    EXPECT_EQ("2,3,5,1", Titles(list));
}

TEST(LinkList, RenameCategoriesMatchesExactlyAndOnce) {
    CLinkList list;
    for (const char* category : {"Work", "work", "a", "b", ""})
        ASSERT_TRUE(list.AddLinkItem("t", "l", "", category, kAdded, kAdded));
    std::map<std::string, std::string> renames = {{"Work", "Jobs"}, {"a", "b"}, {"b", "c"}};
    EXPECT_TRUE(list.RenameCategories(renames));
    EXPECT_TRUE(renames.empty());
    std::string categories;
    for (std::size_t row = 0; row < list.GetCount(); ++row)
        categories += list.GetAt(row)->m_strCategory.str() + "|";
    EXPECT_EQ("Jobs|work|b|c||", categories);
    EXPECT_FALSE(list.RenameCategories(renames));
}

TEST(CategoryList, InsertsInNaturalOrderAndLooksUpWithoutCase) {
    CCategoryList categories;
    for (const char* name : {"Item 10", "Item 9", "item 2"}) categories.InsertSorted(name);
    EXPECT_EQ("item 2|Item 9|Item 10", Names(categories));
    EXPECT_EQ(0u, categories.InsertSorted("a"));
    EXPECT_EQ(4u, categories.InsertSorted("zz"));
    EXPECT_EQ(2u, categories.InsertSorted("Item 9"));  // an equal name goes before its twin

    categories.RemoveAll();
    EXPECT_TRUE(categories.AddIfAbsent("News"));
    EXPECT_FALSE(categories.AddIfAbsent("news"));
    EXPECT_FALSE(categories.AddIfAbsent(""));
    EXPECT_EQ(0, categories.Find("NEWS"));
    EXPECT_EQ(-1, categories.Find("New"));
    categories.ReplaceAll({"b", "A", "a", "", "B10", "b2"});
    EXPECT_EQ("A|b|b2|B10", Names(categories));
}

TEST(CategoryList, LookupGoesThroughTheTextConversions) {
    class CAllEqual : public CTextConv {
    public:
        std::string FoldCase(std::string_view) const override { return "same"; }
    } allEqual;
    SetTextConv(&allEqual);
    CCategoryList folded;
    folded.InsertSorted("News");
    EXPECT_TRUE(folded.Contains("Sport"));
    EXPECT_EQ(0, folded.Find("Sport"));
    SetTextConv(nullptr);
    CCategoryList plain;
    plain.InsertSorted("News");
    EXPECT_FALSE(plain.Contains("Sport"));
}

TEST(CategoryList, ManyNamesAtOnceAreSortedAndUnique) {
    CCategoryList categories;
    categories.AddIfAbsent("Kept");
    std::vector<std::string> names = {"kept", ""};
    for (int i = 200000; i > 0; --i) names.push_back("Name " + std::to_string(i % 100000));
    categories.AddAllIfAbsent(names);
    ASSERT_EQ(100001u, categories.GetCount());
    EXPECT_EQ("Kept", categories.GetAt(0));
    EXPECT_EQ("Name 0", categories.GetAt(1));
    EXPECT_EQ("Name 2", categories.GetAt(3));
    EXPECT_EQ("Name 99999", categories.GetAt(100000));
    EXPECT_TRUE(categories.Contains("NAME 500"));
}

TEST(TextConv, WideToAnsiKeepsLatin1AndMarksTheRest) {
    EXPECT_EQ("Caf\xE9 ?", TextConv().WideToAnsi(u"Caf\u00E9 \u20AC"));
    // A surrogate pair is one character; a lone surrogate is one too.
    EXPECT_EQ("a?b", TextConv().WideToAnsi(u"a\U0001F600b"));
    const char16_t lone[] = {u'x', 0xD800, u'y', 0xDC00};
    EXPECT_EQ("x?y?", TextConv().WideToAnsi(std::u16string_view(lone, 4)));
    EXPECT_TRUE(TextConv().EqualNoCase("Hello", "hELLO"));
    EXPECT_FALSE(TextConv().EqualNoCase("Hello", "Hell"));
}
