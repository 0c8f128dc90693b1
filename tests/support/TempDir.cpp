#include "TempDir.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace testsupport {
namespace {

std::string Localise(std::string_view relative) {
    std::string out(relative);
    for (char& c : out) {
        if (c == '/') c = kSep;
    }
    return out;
}

// Read-only files and folders would stop remove_all on Windows.
void MakeWritable(const fs::path& root) {
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_symlink(ec)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
}

}  // namespace

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << "extractor-test-" << stamp << '-' << counter++;
        fs::path candidate = fs::temp_directory_path() / name.str();
        if (fs::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    MakeWritable(path_);
    fs::remove_all(path_, ec);
}

std::string TempDir::folder() const { return path_.string() + kSep; }

std::string TempDir::file(std::string_view relative) const { return folder() + Localise(relative); }

void TempDir::write(std::string_view relative, std::string_view bytes) const {
    fs::path target = file(relative);
    fs::create_directories(target.parent_path());
    WriteFileBytes(target, bytes);
}

std::string TempDir::read(std::string_view relative) const { return ReadFileBytes(file(relative)); }

bool TempDir::exists(std::string_view relative) const {
    std::error_code ec;
    return fs::exists(fs::symlink_status(file(relative), ec));
}

void TempDir::mkdir(std::string_view relative) const { fs::create_directories(file(relative)); }

std::vector<std::string> TempDir::names(std::string_view relative) const {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(relative.empty() ? path_ : fs::path(file(relative)))) {
        found.push_back(entry.path().filename().string());
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::string ReadFileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteFileBytes(const fs::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + file.string());
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace testsupport
