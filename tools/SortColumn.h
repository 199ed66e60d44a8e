// The columns of the list of links that sorting knows, in header order. The Link field is never
// a sort key.
#pragma once

enum ESortColumn : int {
    kColumnTitle = 0,
    kColumnCategory = 1,
    kColumnDescription = 2,
    kColumnAdded = 3,
    kColumnModified = 4,
};
constexpr int kSortColumnCount = 5;

// The header text of a column: "Title" ... "Last Modified"; empty for an unknown column.
inline const char* SortColumnName(int column) {
    static const char* const names[kSortColumnCount] = {"Title", "Category", "Description", "Added",
                                                        "Last Modified"};
    return column >= 0 && column < kSortColumnCount ? names[column] : "";
}
