// Index files are user data: any bytes must leave the readers in one piece,
// with a result code (binary form) or a clean refusal (XML form). Built twice:
// INDEX_FUZZ_XML selects the XML reader, otherwise the binary reader runs.
// Besides memory errors it checks the readers' promises: a text never exceeds
// the length limit, and a failed XML read leaves the index as it was.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "backup_index/Backupproindex.h"

namespace fs = std::filesystem;

namespace {

const std::string& InputPath() {
    static const std::string path = [] {
        const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        return (base / ("index-fuzzer-" + std::to_string(::getpid()) + ".lxi")).string();
    }();
    return path;
}

#ifndef INDEX_FUZZ_XML
void CheckTextLimits(const VUvivuzOvuDodid& index) {
    auto within = [](const std::string& text) { return text.size() <= VUvivuzOvuDodid::kMaxTextLength; };
    bool ok = within(index.name) && within(index.include_mask) && within(index.exclude_mask) &&
              within(index.device) && within(index.backup_folder);
    for (const CBackupElement& element : index.elements) {
        ok = ok && within(element.name);
        for (const std::string& exclusion : element.exclusions) ok = ok && within(exclusion);
    }
    if (!ok) std::abort();
}
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream file(InputPath(), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    VUvivuzOvuDodid index;
#ifdef INDEX_FUZZ_XML
    try {
        if (index.ImportXml(InputPath()) != 0) {
            // Refused: nothing may have changed.
            const VUvivuzOvuDodid fresh;
            if (index.name != fresh.name || !index.elements.empty() || index.version != fresh.version) std::abort();
        }
    } catch (const EConvertError&) {
    }
#else
    const std::int32_t result = index.ImportBinary(InputPath());
    if (result > 0 || result < kIndexNewerVersion) std::abort();
    if (index.file_handle.has_value()) std::abort();  // closed in every case
    CheckTextLimits(index);
#endif
    return 0;
}
