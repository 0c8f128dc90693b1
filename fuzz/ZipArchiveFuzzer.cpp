// Fuzzes the ZIP component end to end: the input is an archive, which is
// opened (end records, central directory), then every item is extracted into
// a scratch folder. The same input cut at its first central header is then
// extracted again, so that the scan of local headers that reads archives
// without a directory sees every input too. Beyond memory errors it checks
// the component's promise that nothing is written beside the scratch folder.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "restoration/zip/TUnZipper.h"

namespace fs = std::filesystem;

namespace {

// One work folder per process: archive.zip and out/ inside it, nothing else.
const fs::path& WorkFolder() {
    static const fs::path folder = [] {
        const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path path = base / ("zip-archive-fuzzer-" + std::to_string(::getpid()));
        fs::remove_all(path);
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

void ExtractAll(const std::uint8_t* data, std::size_t size) {
    const fs::path archive = WorkFolder() / "archive.zip";
    const fs::path out = WorkFolder() / "out";
    {
        std::ofstream file(archive, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    fs::create_directories(out);

    TUnZipper zipper;
    zipper.ExtractOptions = eoCreateDirs | eoRestorePath;
    zipper.OnProcessItemFailure = [](TUnZipper&, TZipItem&, TProcessType, TErrorClass, int) {};
    zipper.OnArchiveItemProgress = [](TUnZipper&, TZipItem&, int progress, bool&) {
        if (progress < 0 || progress > 100) std::abort();
    };
    try {
        zipper.SetBaseDirectory(out.string());
        zipper.OpenArchive(archive.string());
        for (int i = 0; i < zipper.GetCount(); ++i) zipper.GetItem(i).Tagged = true;
        zipper.ExtractTaggedItems();
    } catch (const EArchiveException&) {
        // A damaged archive is refused: that is the expected outcome for most inputs.
    }
    zipper.CloseArchive();

    for (const auto& entry : fs::directory_iterator(WorkFolder())) {
        const auto name = entry.path().filename();
        if (name != "archive.zip" && name != "out") std::abort();  // written outside the base directory
    }
    std::error_code ignored;
    fs::remove_all(out, ignored);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ExtractAll(data, size);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t directory = bytes.find(std::string_view("PK\x01\x02", 4));
    if (directory != std::string_view::npos) ExtractAll(data, directory);
    return 0;
}
