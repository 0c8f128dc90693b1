#include "ZipTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Path.h"

namespace ziptest {

bool OnWindows() { return platform::kPathSeparator == '\\'; }

UnZipperFixture::UnZipperFixture() {
    archivePath = temp.file("archive.zip");
    temp.mkdir("out");
    out = temp.file("out");
    zipper.ExtractOptions = eoCreateDirs | eoRestorePath;
    zipper.OnConfirmProcessItem = [this](TUnZipper&, TZipItem& item, TProcessType type, bool& confirm) {
        EXPECT_EQ(type, TProcessType::ptExtract);
        events.push_back({RecordedEvent::Confirm, item.FileName()});
        if (onConfirm) onConfirm(item, confirm);
    };
    zipper.OnArchiveItemProgress = [this](TUnZipper&, TZipItem& item, int progress, bool& abort) {
        events.push_back({RecordedEvent::Progress, item.FileName(), progress});
        if (onProgress) onProgress(item, progress, abort);
    };
    zipper.OnProcessItemFailure = [this](TUnZipper&, TZipItem& item, TProcessType type, TErrorClass errorClass,
                                         int code) {
        EXPECT_EQ(type, TProcessType::ptExtract);
        events.push_back({RecordedEvent::Failure, item.FileName(), code, errorClass});
    };
}

void UnZipperFixture::Open(const ZipWriter& writer) {
    zipper.CloseArchive();  // Windows keeps an open archive from being rewritten
    writer.WriteTo(archivePath);
    OpenFile(archivePath);
}

void UnZipperFixture::OpenFile(const std::string& path) {
    zipper.OpenArchive(path);
    TagAll();
}

void UnZipperFixture::TagAll() {
    for (int i = 0; i < zipper.GetCount(); ++i) zipper.GetItem(i).Tagged = true;
}

void UnZipperFixture::Extract() {
    zipper.SetBaseDirectory(out);
    zipper.ExtractTaggedItems();
}

std::vector<std::string> UnZipperFixture::Failed() const {
    std::vector<std::string> names;
    for (const RecordedEvent& e : events)
        if (e.kind == RecordedEvent::Failure) names.push_back(e.item);
    return names;
}

const RecordedEvent* UnZipperFixture::FailureOf(const std::string& item) const {
    for (const RecordedEvent& e : events)
        if (e.kind == RecordedEvent::Failure && e.item == item) return &e;
    return nullptr;
}

std::vector<int> UnZipperFixture::ProgressOf(const std::string& item) const {
    std::vector<int> values;
    for (const RecordedEvent& e : events)
        if (e.kind == RecordedEvent::Progress && e.item == item) values.push_back(e.value);
    return values;
}

}  // namespace ziptest
