// Stands in for the ZIP component until it is built: these tests exercise the
// folder backups only, and the worker's ZIP path needs the component's symbols.
#include "restoration/zip/TUnZipper.h"

struct TUnZipper::Impl {
    std::string fileName;
    std::string baseDirectory;
};

TUnZipper::TUnZipper() : impl_(std::make_unique<Impl>()) {}
TUnZipper::~TUnZipper() = default;
const std::string& TUnZipper::FileName() const { return impl_->fileName; }
const std::string& TUnZipper::BaseDirectory() const { return impl_->baseDirectory; }
void TUnZipper::SetBaseDirectory(const std::string& folder) { impl_->baseDirectory = folder; }
void TUnZipper::OpenArchive(const std::string&) { throw EArchiveException("no ZIP component yet"); }
void TUnZipper::CloseArchive() {}
int TUnZipper::GetCount() const { return 0; }
TZipItem& TUnZipper::GetItem(int) { throw EArchiveException("no ZIP component yet"); }
void TUnZipper::ExtractTaggedItems() { throw EArchiveException("no ZIP component yet"); }
