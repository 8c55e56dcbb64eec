// Data file names in a folder whose name ends in a double-byte character: code page 932
// uses 0x5C ('\') as the trail byte of many of them, so the last byte alone cannot tell.
#include <gtest/gtest.h>

#include <string>

#include "platform/data_files.h"

TEST(DataPath, SeparatorAddedUnlessTheLastCharacterIsOne) {
    const std::pair<const char*, bool> rows[] = {
        {"C:\\work\\\x95\x5C", false},          // 表
        {"C:\\\x83\x5C\xE0\x5C", false},        // ソ and a lead byte of the upper range
        {"C:\\work\\\x95\x5C\\", true},         // 表 and a real separator
        {"C:\\\x81\x81\\", true},               // a trail byte that is itself in the lead range
        {"C:\\\xB1\\", true},                   // half-width ｱ is one byte
        {"/tmp/data/", true},
    };
    for (const auto& [folder, endsWithSeparator] : rows) {
        datafiles::setDirectory(folder);
        EXPECT_EQ(datafiles::pathOf("param.dat"), std::string(folder) + (endsWithSeparator ? "" : "/") + "param.dat")
            << folder;
    }
    datafiles::setDirectory("");
}
