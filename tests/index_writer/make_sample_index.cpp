// Writes a sample backup index in both forms into a folder:
//   make-sample-index FOLDER  ->  FOLDER/sample.lxi (binary), FOLDER/sample-xml.lxi (XML)
// The XML form's date follows the user's locale (LC_TIME), as the readers expect.
#include <clocale>
#include <cstdio>
#include <fstream>
#include <string>

#include "IndexFileWriter.h"
#include "platform/Path.h"

namespace {

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

indexwriter::IndexContents SampleContents() {
    indexwriter::IndexContents index;
    index.name = "Sample backup";
    index.last_update = {2024, 3, 5, 14, 30, 0, 0};
    index.elements = {
        {"C:\\Users\\Public\\Documents\\", false, {"C:\\Users\\Public\\Documents\\Temp\\", "*.tmp"}},
        {"C:\\Users\\Public\\Music\\Caf\xE9.mp3", false, {}},  // a byte of the system code page (e acute)
        {"C:\\Users\\Public\\Videos\\", true, {}},
    };
    index.include_mask = "*.*";
    index.exclude_mask = "*.bak";
    index.apply_masks_to_folders = true;
    index.device = "E:";
    index.backup_folder = "Backups\\";
    index.writing_speed = 8;
    index.use_compression = true;
    index.compression_level = 6;
    index.use_timestamps = true;
    index.timestamps_using_method = 0;
    return index;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: make-sample-index FOLDER\n", stderr);
        return 2;
    }
    std::setlocale(LC_TIME, "");
    std::string folder = argv[1];
    if (!platform::EndsWithSeparator(folder)) folder += platform::kPathSeparator;
    const auto contents = SampleContents();
    const bool ok = WriteFile(folder + "sample.lxi", indexwriter::BinaryIndex(contents).bytes()) &&
                    WriteFile(folder + "sample-xml.lxi",
                              indexwriter::XmlIndex(contents, platform::UserDateTimeConventions()));
    if (!ok) {
        std::fprintf(stderr, "make-sample-index: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
