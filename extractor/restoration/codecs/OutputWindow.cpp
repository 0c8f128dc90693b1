#include "restoration/codecs/OutputWindow.h"

#include <algorithm>

namespace codecs {

namespace {
constexpr std::size_t kMinimumChunk = 64 * 1024;
}

OutputWindow::OutputWindow(ByteSink& sink, std::size_t windowSize, std::size_t maxAppend, std::uint64_t declaredSize)
    : sink_(sink),
      windowSize_(windowSize),
      buffer_(windowSize + std::max({kMinimumChunk, 2 * windowSize, maxAppend})),
      pos_(windowSize),
      flushed_(windowSize),
      declaredSize_(declaredSize),
      remaining_(declaredSize) {}

void OutputWindow::Flush() {
    if (pos_ > flushed_) {
        sink_.Write(buffer_.data() + flushed_, pos_ - flushed_);
        flushed_ = pos_;
    }
}

void OutputWindow::Slide() {
    Flush();
    std::memmove(buffer_.data(), buffer_.data() + pos_ - windowSize_, windowSize_);
    pos_ = windowSize_;
    flushed_ = pos_;
}

}  // namespace codecs
