#include "restoration/zip/ItemExtractor.h"

#include <algorithm>
#include <cstring>

#include "platform/SystemError.h"
#include "restoration/codecs/Crc32.h"
#include "restoration/codecs/Decode.h"
#include "restoration/zip/DosDateTime.h"
#include "restoration/zip/ZipDirectory.h"
#include "restoration/zip/ZipErrors.h"

namespace zip {
namespace {

constexpr std::size_t kWriteBatch = 256 * 1024;   // small decoder output is gathered up to this
constexpr std::uint8_t kHighestVersionRead = 45;  // 4.5: ZIP64; later versions add what we do not read

bool ReportsCompressedProgress(std::uint16_t method) {
    return method == codecs::kDeflated || method == codecs::kDeflate64;
}

[[noreturn]] void ThrowAbort(std::uint16_t method) {
    if (ReportsCompressedProgress(method)) throw EAbortProgress("Extraction aborted");
    throw EUserAbort("Extraction aborted");
}

// Turns a byte count into percentages and reports each change.
class ProgressMeter {
public:
    ProgressMeter(std::uint64_t total, std::uint16_t method, const ItemExtractor::ProgressCallback& callback)
        : total_(total), method_(method), callback_(callback) {}

    void Update(std::uint64_t done) {
        int percent = 100;
        if (total_ > 0) {
            const std::uint64_t scaled = total_ >= (std::uint64_t{1} << 50) ? done / (total_ / 100) : done * 100 / total_;
            percent = static_cast<int>(std::min<std::uint64_t>(scaled, 100));
        }
        Report(percent);
    }
    void Complete() {
        if (last_ < 100) Report(100);
    }

private:
    void Report(int percent) {
        if (percent == last_) return;
        last_ = percent;
        if (callback_ && callback_(percent)) ThrowAbort(method_);
    }
    std::uint64_t total_;
    std::uint16_t method_;
    const ItemExtractor::ProgressCallback& callback_;
    int last_ = -1;
};

// The item's compressed bytes, straight from the archive.
class ItemSource : public codecs::ByteSource {
public:
    ItemSource(ArchiveReader& reader, std::uint64_t start, std::uint64_t size, ProgressMeter* meter)
        : reader_(reader), start_(start), position_(start), end_(start + size), meter_(meter) {}

    std::size_t Read(std::uint8_t* buffer, std::size_t size) override {
        if (position_ == end_ || size == 0) return 0;
        const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(size, end_ - position_));
        const std::size_t got = reader_.ReadSome(position_, buffer, wanted);
        if (got != wanted) throw DamagedArchive("an item's data ends early");
        position_ += got;
        if (meter_) meter_->Update(position_ - start_);
        return got;
    }

private:
    ArchiveReader& reader_;
    std::uint64_t start_, position_, end_;
    ProgressMeter* meter_;
};

// Decoded bytes into the target file: counts them, keeps the CRC-32, gathers
// small pieces into larger writes.
// Without a file (verifying) the bytes are only counted and checked.
class FileSink : public codecs::ByteSink {
public:
    FileSink(platform::OutputFile* file, std::uint64_t declaredSize, ProgressMeter* meter)
        : file_(file), declaredSize_(declaredSize), meter_(meter) {}

    void Write(const std::uint8_t* data, std::size_t size) override {
        if (size > declaredSize_ - written_) throw DamagedArchive("an item's data gives more bytes than declared");
        crc_ = codecs::Crc32(crc_, data, size);
        if (!file_) {
            // nothing to write
        } else if (size >= kWriteBatch / 4) {
            Flush();
            Put(data, size);
        } else {
            if (pending_.size() + size > kWriteBatch) Flush();
            pending_.insert(pending_.end(), data, data + size);
        }
        written_ += size;
        if (meter_) meter_->Update(written_);
    }

    void Flush() {
        if (pending_.empty()) return;
        Put(pending_.data(), pending_.size());
        pending_.clear();
    }
    std::uint64_t Written() const { return written_; }
    std::uint32_t Crc() const { return crc_; }

private:
    void Put(const std::uint8_t* data, std::size_t size) {
        if (!file_->Write(data, size))
            throw ItemError(TErrorClass::ecInOutError, zecWriteFailed, "Cannot write " + file_->Path(),
                            platform::LastSystemErrorText());
    }
    platform::OutputFile* file_;
    std::uint64_t declaredSize_;
    ProgressMeter* meter_;
    std::vector<std::uint8_t> pending_;
    std::uint64_t written_ = 0;
    std::uint32_t crc_ = 0;
};

// What an item needs that we cannot give, found before anything is written.
void CheckReadable(const std::string& name, const EntryRecord& record) {
    if ((record.versionNeeded & 0xFF) > kHighestVersionRead || (record.flags & kFlagPatchData))
        throw EZipVersion(name + ": needs a later ZIP version to extract");
    if (record.flags & (kFlagEncrypted | kFlagStrongEncryption))
        throw EZipInvalidPassword(name + ": the item is encrypted");
    if (!codecs::IsSupportedMethod(record.method))
        throw EZipInvalidMethod(name + ": compression method " + std::to_string(record.method) + " is not supported");
}

// What an item needs, and data the scan could not delimit: before anything is written.
void CheckItemData(const std::string& name, const EntryRecord& record) {
    CheckReadable(name, record);
    if (record.dataLost) throw DamagedArchive(name + ": the item's data is cut off or damaged");
}

[[noreturn]] void ThrowTargetError(platform::TargetError error, const std::string& what) {
    using platform::TargetError;
    switch (error) {
    case TargetError::NoSuchFolder: throw ENoSuchDirectory("The folder of " + what + " does not exist");
    case TargetError::LinkInPath:
        throw ItemError(TErrorClass::ecFileCreateError, zecLinkInPath,
                        what + ": a symbolic link or junction is in the way");
    case TargetError::NotAFolder:
    case TargetError::CannotCreateFolder:
        throw ItemError(TErrorClass::ecFileCreateError, zecCannotCreateFolder, "Cannot create the folder of " + what);
    default:
        throw ItemError(TErrorClass::ecFileCreateError, zecCannotCreateFile, "Cannot create " + what,
                        platform::LastSystemErrorText());
    }
}

platform::StoredAttributes AttributesOf(const EntryRecord& record) {
    platform::StoredAttributes attributes;
    attributes.dosAttributes = record.externalAttributes & 0xFF;
    const std::uint32_t mode = (record.externalAttributes >> 16) & 0777;
    if (record.HostSystem() == kHostUnix && mode != 0) attributes.unixMode = mode;
    return attributes;
}

}  // namespace

ItemExtractor::ItemExtractor(ArchiveReader& reader, NameRules rules) : reader_(reader), rules_(rules) {}

ItemExtractor::~ItemExtractor() = default;

void ItemExtractor::Extract(const std::string& name, const EntryRecord& record, const ExtractSettings& settings,
                            const ProgressCallback& progress) {
    auto path = CanonicalItemPath(name, rules_);
    if (!path) throw ItemError(TErrorClass::ecOther, zecUnsafeName, name + ": the name could leave the target folder");
    const std::vector<std::string> noLevels;
    const std::vector<std::string>& levels = settings.restorePath ? path->folders : noLevels;

    if (path->IsFolder()) {
        TargetFolder(settings, levels);
        return;
    }
    CheckItemData(name, record);
    const std::uint64_t dataStart = LocateItemData(reader_, record);

    platform::ConfinedFolder& folder = TargetFolder(settings, levels);
    platform::TargetError error;
    std::optional<platform::OutputFile> file = folder.CreateOutputFile(path->file, error);
    if (!file) ThrowTargetError(error, folder.Path() + path->file);

    // From here on the data goes to a temporary file, deleted unless Finish puts it in place.
    WriteData(record, dataStart, *file, progress);
}

void ItemExtractor::WriteData(const EntryRecord& record, std::uint64_t dataStart, platform::OutputFile& file,
                              const ProgressCallback& progress) {
    const std::uint32_t crc = ReadData(record, dataStart, &file, progress);

    // Data whose CRC-32 is wrong never replaces a file that is there; with nothing
    // there it is kept, as the best that could be read, and still reported.
    const bool intact = crc == record.crc32;
    const platform::Placement placement = intact ? platform::Placement::ReplaceExisting
                                                 : platform::Placement::KeepExisting;
    if (!file.Finish(DecodeDosDateTime(record.dosDate, record.dosTime), AttributesOf(record), placement))
        throw ItemError(TErrorClass::ecInOutError, zecWriteFailed, "Cannot write " + file.Path(),
                        platform::LastSystemErrorText());
    if (!intact) throw EZipBadCRC(file.Path() + ": CRC-32 mismatch");
}

std::uint32_t ItemExtractor::ReadData(const EntryRecord& record, std::uint64_t dataStart, platform::OutputFile* file,
                                      const ProgressCallback& progress) {
    const bool compressedProgress = ReportsCompressedProgress(record.method);
    ProgressMeter meter(compressedProgress ? record.compressedSize : record.uncompressedSize, record.method, progress);
    FileSink sink(file, record.uncompressedSize, compressedProgress ? nullptr : &meter);

    ItemSource source(reader_, dataStart, record.compressedSize, compressedProgress ? &meter : nullptr);
    decoder_.Decode(record.method, record.flags, source, sink, record.compressedSize, record.uncompressedSize);
    // An empty stored item writes nothing, yet its progress still ends at 100.
    if (record.method == codecs::kStored) meter.Complete();
    sink.Flush();
    if (sink.Written() != record.uncompressedSize) throw DamagedArchive("an item's data gives fewer bytes than declared");
    return sink.Crc();
}

void ItemExtractor::Verify(const std::string& name, const EntryRecord& record) {
    const auto path = CanonicalItemPath(name, rules_);
    if (!path) throw ItemError(TErrorClass::ecOther, zecUnsafeName, name + ": the name could leave the target folder");
    if (path->IsFolder()) return;
    CheckItemData(name, record);
    const std::uint64_t dataStart = LocateItemData(reader_, record);
    if (ReadData(record, dataStart, nullptr, {}) != record.crc32) throw EZipBadCRC(name + ": CRC-32 mismatch");
}

platform::ConfinedFolder& ItemExtractor::TargetFolder(const ExtractSettings& settings,
                                                      const std::vector<std::string>& levels) {
    if (cachedFolder_ && cachedBase_ == settings.baseDirectory && cachedLevels_ == levels) return *cachedFolder_;
    cachedFolder_.reset();
    platform::TargetError error;
    cachedFolder_ = platform::ConfinedFolder::Open(settings.baseDirectory, levels, settings.createDirs, error);
    if (!cachedFolder_) {
        std::string what = settings.baseDirectory;
        for (const std::string& level : levels) what += "/" + level;
        ThrowTargetError(error, what);
    }
    cachedBase_ = settings.baseDirectory;
    cachedLevels_ = levels;
    return *cachedFolder_;
}

}  // namespace zip
