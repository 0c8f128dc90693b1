#include "backup_index/Backupproindex.h"

std::int32_t ImportIndexFile(VUvivuzOvuDodid& index, const std::string& fileName) {
    if (index.ImportXml(fileName) == kIndexReadOk) return kIndexReadOk;
    return index.ImportBinary(fileName);
}
