#include "restoration/zip/TUnZipper.h"

#include <optional>
#include <utility>

#include "platform/FileSystem.h"
#include "platform/InputFile.h"
#include "platform/Path.h"
#include "platform/TextEncoding.h"
#include "restoration/codecs/Streams.h"
#include "restoration/zip/ArchiveReader.h"
#include "restoration/zip/DosDateTime.h"
#include "restoration/zip/ItemExtractor.h"
#include "restoration/zip/LocalHeaderScan.h"
#include "restoration/zip/ZipDirectory.h"
#include "restoration/zip/ZipErrors.h"

namespace {

// One trailing separator goes, except after a drive's ":" (C:\ stays) and
// when nothing would be left (the POSIX root).
std::string WithoutTrailingSeparator(std::string folder) {
    if (folder.size() >= 2 && platform::EndsWithSeparator(folder) && folder[folder.size() - 2] != ':')
        folder.pop_back();
    return folder;
}

void CheckFolderExists(const std::string& folder) {
    if (!folder.empty() && !platform::IsFolder(folder)) throw ENoSuchDirectory("Folder " + folder + " does not exist");
}

std::string NativeName(const zip::DirectoryEntry& entry) {
    return entry.utf8 ? platform::Utf8ToNative(entry.name) : platform::OemToNative(entry.name);
}

// An exception that an event handler threw while the item was being written:
// it leaves ExtractTaggedItems unchanged, after the partly written file is gone.
struct HandlerException {
    std::exception_ptr original;
};

struct Failure {
    TErrorClass errorClass;
    int code;
    std::string systemText = {};
};

// The error class and code reported for an exception that failed an item.
Failure Classify(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const zip::ItemError& e) {
        return {e.ErrorClass(), e.Code(), e.SystemText()};
    } catch (const EZipBadCRC&) {
        return {TErrorClass::ecArchive, zecBadCRC};
    } catch (const EZipInvalidMethod&) {
        return {TErrorClass::ecArchive, zecInvalidMethod};
    } catch (const codecs::UnsupportedMethod&) {
        return {TErrorClass::ecArchive, zecInvalidMethod};
    } catch (const EZipVersion&) {
        return {TErrorClass::ecArchive, zecVersion};
    } catch (const EZipInvalidPassword&) {
        return {TErrorClass::ecArchive, zecEncrypted};
    } catch (const ENoSuchDirectory&) {
        return {TErrorClass::ecFileCreateError, zecNoSuchDirectory};
    } catch (const codecs::DataError&) {
        return {TErrorClass::ecArchive, zecDamagedData};
    } catch (...) {
        return {TErrorClass::ecOther, 0};
    }
}

}  // namespace

std::optional<CalendarTime> TZipItem::ModificationTime() const {
    return zip::DecodeDosDateTime(entry_.dosDate, entry_.dosTime);
}

bool TZipItem::IsFolder() const {
    return !fileName_.empty() && (fileName_.back() == '/' || fileName_.back() == '\\');
}

struct TUnZipper::Impl {
    std::string fileName;
    std::string baseDirectory;
    std::optional<zip::ArchiveReader> reader;
    std::vector<TZipItem> items;
    bool extracting = false;  // items must stay where they are while events run
    bool recovered = false;
    std::optional<zip::ItemExtractor> verifier;  // made by the first VerifyItem, kept for its buffers
    std::string failureSystemText;  // of the failure being reported

    void RefuseWhileExtracting(const char* operation) const {
        if (extracting) throw EArchiveException(std::string(operation) + " is not allowed while extracting");
    }
};

TUnZipper::TUnZipper() : impl_(std::make_unique<Impl>()) {}

TUnZipper::~TUnZipper() = default;

const std::string& TUnZipper::FileName() const { return impl_->fileName; }

const std::string& TUnZipper::BaseDirectory() const { return impl_->baseDirectory; }

void TUnZipper::SetBaseDirectory(const std::string& folder) {
    std::string value = WithoutTrailingSeparator(folder);
    if (impl_->reader) CheckFolderExists(value);
    impl_->baseDirectory = std::move(value);
}

void TUnZipper::OpenArchive(const std::string& path) {
    impl_->RefuseWhileExtracting("OpenArchive");
    CloseArchive();
    CheckFolderExists(impl_->baseDirectory);

    std::optional<platform::InputFile> file = platform::InputFile::Open(path);
    if (!file) throw EArchiveException("Cannot open archive " + path);
    zip::ArchiveReader reader(std::move(*file));
    std::vector<TZipItem> items;
    const auto add = [&items](zip::DirectoryEntry&& entry) {
        TZipItem& item = items.emplace_back();
        item.fileName_ = NativeName(entry);
        item.TargetName = platform::WithPlatformSeparators(item.fileName_);
        item.entry_ = entry.record;
    };
    bool recovered = false;
    try {
        zip::ReadCentralDirectory(
            reader, [&](std::uint64_t count) { items.reserve(static_cast<std::size_t>(count)); }, add);
    } catch (const zip::ItemError&) {
        // An intact directory is always preferred; without one the local
        // headers are all there is. A file with none is not an archive.
        std::exception_ptr directoryError = std::current_exception();
        items.clear();
        for (zip::DirectoryEntry& entry : zip::ScanLocalHeaders(reader)) add(std::move(entry));
        if (items.empty()) std::rethrow_exception(directoryError);
        recovered = true;
    }
    impl_->reader.emplace(std::move(reader));
    impl_->items = std::move(items);
    impl_->fileName = path;
    impl_->recovered = recovered;
}

bool TUnZipper::Recovered() const { return impl_->recovered; }

void TUnZipper::CloseArchive() {
    impl_->RefuseWhileExtracting("CloseArchive");
    impl_->verifier.reset();
    impl_->reader.reset();
    impl_->items.clear();
    impl_->items.shrink_to_fit();
    impl_->fileName.clear();
    impl_->recovered = false;
}

int TUnZipper::GetCount() const { return static_cast<int>(impl_->items.size()); }

TZipItem& TUnZipper::GetItem(int index) {
    if (index < 0 || index >= GetCount()) throw std::out_of_range("TUnZipper::GetItem: no item " + std::to_string(index));
    return impl_->items[static_cast<std::size_t>(index)];
}

void TUnZipper::ExtractTaggedItems() {
    if (!impl_->reader) return;
    impl_->RefuseWhileExtracting("ExtractTaggedItems");
    impl_->extracting = true;
    struct ExtractingFlag {
        bool& flag;
        ~ExtractingFlag() { flag = false; }
    } resetFlag{impl_->extracting};
    zip::ItemExtractor extractor(*impl_->reader, zip::PlatformNameRules());

    for (TZipItem& item : impl_->items) {
        if (!item.Tagged) continue;
        bool confirm = true;
        if (OnConfirmProcessItem) OnConfirmProcessItem(*this, item, TProcessType::ptExtract, confirm);
        if (!confirm) continue;

        const zip::ItemExtractor::ProgressCallback progress = [&](int percent) {
            bool abort = false;
            if (!OnArchiveItemProgress) return abort;
            try {
                OnArchiveItemProgress(*this, item, percent, abort);
            } catch (...) {
                throw HandlerException{std::current_exception()};
            }
            return abort;
        };
        zip::ExtractSettings settings;
        settings.baseDirectory = impl_->baseDirectory;
        settings.restorePath = (ExtractOptions & eoRestorePath) != 0;
        settings.createDirs = (ExtractOptions & eoCreateDirs) != 0;

        std::exception_ptr failure;
        try {
            extractor.Extract(item.FileName(), item.entry_, settings, progress);
        } catch (const EUserAbort&) {
            throw;
        } catch (const EAbortProgress&) {
            throw;
        } catch (const HandlerException& handler) {
            std::rethrow_exception(handler.original);
        } catch (...) {
            failure = std::current_exception();
        }
        if (!failure) continue;
        if (!OnProcessItemFailure) std::rethrow_exception(failure);
        const Failure reported = Classify(failure);
        impl_->failureSystemText = reported.systemText;
        OnProcessItemFailure(*this, item, TProcessType::ptExtract, reported.errorClass, reported.code);
        impl_->failureSystemText.clear();
    }
}

const std::string& TUnZipper::FailureSystemText() const { return impl_->failureSystemText; }

void TUnZipper::VerifyItem(int index) {
    TZipItem& item = GetItem(index);
    if (!impl_->verifier) impl_->verifier.emplace(*impl_->reader, zip::PlatformNameRules());
    try {
        impl_->verifier->Verify(item.FileName(), item.entry_);
    } catch (const codecs::DataError& e) {
        // The decoders' own errors, in the component's terms.
        throw zip::DamagedArchive(e.what());
    } catch (const codecs::UnsupportedMethod& e) {
        throw EZipInvalidMethod(e.what());
    }
}
