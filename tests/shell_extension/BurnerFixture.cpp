#include "BurnerFixture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "OmbrixTestSupport.h"

namespace ombrixtest {

BurnerInstallation::BurnerInstallation(Program program) {
    if (program == Program::Present) {
        EXPECT_TRUE(CopyFileA(StubExePath().c_str(), dir_.file("Lumavex.exe").c_str(), FALSE))
            << "cannot copy " << StubExePath();
    }
    SetAppPathPro(folder());
}

BurnerInstallation::~BurnerInstallation() { DeleteAppPathPro(); }

void BurnerInstallation::writeLanguageFile(std::string_view content) const { dir_.write("Lumavex Pro.lng", content); }

std::vector<std::string> BurnerInstallation::listFiles() const { return ListFilesIn(folder()); }

std::string BurnerInstallation::expectRecord() {
    const std::string path = records_.file("record-" + std::to_string(++recordCount_) + ".txt");
    SetEnvironmentVariableA("OMBRIX_STUB_RECORD", path.c_str());
    return path;
}

namespace {

// The record's fields, or nothing while the file is not complete.
std::optional<StubRecord> ParseStubRecord(const std::string& bytes) {
    StubRecord record;
    std::size_t position = 0;
    auto line = [&](std::string_view field) -> std::optional<std::string> {
        if (bytes.compare(position, field.size(), field) != 0) return std::nullopt;
        const std::size_t end = bytes.find('\n', position);
        if (end == std::string::npos) return std::nullopt;
        std::string value = bytes.substr(position + field.size(), end - position - field.size());
        position = end + 1;
        return value;
    };
    const auto commandLine = line("cmdline=");
    const auto argc = line("argc=");
    if (!commandLine || !argc) return std::nullopt;
    record.commandLine = *commandLine;
    for (int i = 1; i < std::stoi(*argc); ++i) {
        const auto argument = line("arg=");
        if (!argument) return std::nullopt;
        record.arguments.push_back(*argument);
    }
    if (bytes.compare(position, 5, "list=") != 0) return std::nullopt;
    record.listBytes = bytes.substr(position + 5);
    return record;
}

}  // namespace

std::optional<StubRecord> WaitForStubRecord(const std::string& path) {
    // Generous: a program start under emulation takes seconds. The stub may
    // still be writing when the file appears: a record counts once it parses
    // and has stayed the same for one more look.
    std::optional<std::string> previous;
    for (int waited = 0; waited < 60000; waited += 50) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
            const std::string bytes = ReadBytes(path);
            if (previous == bytes) {
                if (auto record = ParseStubRecord(bytes)) return record;
            }
            previous = bytes;
        }
        Sleep(50);
    }
    return std::nullopt;
}

std::vector<std::string> ListFilesIn(const std::string& folder) {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "SHL*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        files.push_back(folder + found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }
std::string NameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

std::string UserTempFolder() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    return std::string(buffer, length);
}

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

}  // namespace ombrixtest
