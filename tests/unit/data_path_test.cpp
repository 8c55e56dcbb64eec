// Data file names in folders whose names end in a double-byte character: code page 932
// uses 0x5C ('\') as the trail byte of many of them, so the last byte alone cannot tell.
#include <gtest/gtest.h>

#include <string>

#include "platform/data_files.h"

namespace {

TEST(DataPath, SeparatorAddedUnlessTheLastCharacterIsOne) {
    const struct {
        const char* folder;
        bool endsWithSeparator;
    } rows[] = {
        {"C:\\work\\\x95\x5C", false},          // 表
        {"C:\\work\\\x83\x5C\x94\x5C", false},  // ソ能
        {"C:\\\xE0\x5C", false},                // a lead byte of the upper range
        {"C:\\work\\\x95\x5C\\", true},         // 表 and a real separator
        {"C:\\\x81\x81\\", true},               // a trail byte that is itself in the lead range
        {"C:\\\xB1\\", true},                   // half-width ｱ is one byte
        {"C:\\", true},
        {"/tmp/data/", true},
        {"/tmp/data", false},
    };
#ifdef _WIN32
    const std::string separator = "\\";
#else
    const std::string separator = "/";
#endif
    for (const auto& r : rows) {
        datafiles::setDirectory(r.folder);
        EXPECT_EQ(datafiles::pathOf("param.dat"),
                  std::string(r.folder) + (r.endsWithSeparator ? "" : separator) + "param.dat")
            << r.folder;
    }
    datafiles::setDirectory("");
}

}  // namespace
