#include "archive_location/IndexFileScan.h"

#include <gtest/gtest.h>

#include "TempDir.h"

namespace {

using testsupport::TempDir;

TEST(IndexFileScan, OwnFilesFirstThenFirstLevelSubfolders) {
    TempDir dir;
    dir.write("y/c.lxi", "");
    dir.write("a.lxi", "");
    dir.write("y/z/d.lxi", "");  // too deep
    dir.write("x/b.LXI", "");
    dir.write("x/notes.txt", "");
    dir.write("old.lxi/e.lxi", "");  // a folder named like an index is searched, not listed
    dir.write(".hidden/f.lxi", "");
    std::vector<std::string> found;
    ScanForIndexFiles(dir.folder(), found, 1, 0);
    EXPECT_EQ(found, (std::vector<std::string>{dir.file("a.lxi"), dir.file(".hidden/f.lxi"),
                                               dir.file("old.lxi/e.lxi"), dir.file("x/b.LXI"),
                                               dir.file("y/c.lxi")}));
}

TEST(IndexFileScan, DepthZeroStaysInTheFolderAndAppends) {
    TempDir dir;
    dir.write("a.lxi", "");
    dir.write("x/b.lxi", "");
    std::vector<std::string> found{"earlier"};
    ScanForIndexFiles(dir.folder(), found, 0, 0);
    EXPECT_EQ(found, (std::vector<std::string>{"earlier", dir.file("a.lxi")}));
}

}  // namespace
