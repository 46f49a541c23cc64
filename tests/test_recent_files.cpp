#include "RecentFiles.h"

#include <gtest/gtest.h>

using Paths = std::vector<std::string>;

// Each row reads a stored list, adds and removes a path and shows the list.
TEST(RecentFiles, NewestFirstWithoutRepeatsAtMostEight)
{
    const struct {
        const char* what;
        Paths stored;
        std::string add, remove;
        Paths expected;
    } rows[] = {
        {"added on top", {"/a", "/b"}, "/c", "", {"/c", "/a", "/b"}},
        {"again moves up", {"/a", "/b", "/c"}, "/c", "", {"/c", "/a", "/b"}},
        {"ninth drops oldest", {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"}, "/9", "",
            {"/9", "/1", "/2", "/3", "/4", "/5", "/6", "/7"}},
        {"removed", {"/a", "/b", "/c"}, "", "/b", {"/a", "/c"}},
        {"removing an absent one", {"/a"}, "", "/x", {"/a"}},
        {"stored repeats and blanks", {"/a", "", "/b", "/a"}, "", "", {"/a", "/b"}},
        {"stored too many", {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"}, "", "",
            {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"}},
    };
    for (const auto& row : rows) {
        CRecentFiles files(row.stored);
        files.Add(row.add);
        files.Remove(row.remove);
        EXPECT_EQ(files.Entries(), row.expected) << row.what;
    }
}
