#include <gtest/gtest.h>

#include "TempDir.h"
#include "backup_index/Backupproindex.h"

namespace {

// A folder opens for reading on POSIX, but reading from it fails.
TEST(BinaryIndexReaderPosix, AFailingReadGivesMinus2) {
    testsupport::TempDir dir;
    dir.mkdir("folder.lxi");
    VUvivuzOvuDodid index;
    EXPECT_EQ(index.ImportBinary(dir.file("folder.lxi")), kIndexReadFailed);
    EXPECT_FALSE(index.file_handle);
    EXPECT_EQ(ImportIndexFile(index, dir.file("folder.lxi")), kIndexReadFailed);
}

}  // namespace
