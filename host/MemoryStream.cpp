#include "host/MemoryStream.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

int32 MemoryReadStream::ReadBlockOfMany(uchar* buffer, int32 count) {
  if (count <= 0) return 0;
  const std::size_t available = bytes_.size() - position_;
  const std::size_t n = std::min<std::size_t>(available, static_cast<std::size_t>(count));
  if (n > 0) std::memcpy(buffer, bytes_.data() + position_, n);
  position_ += n;
  if (n < static_cast<std::size_t>(count)) good_ = false;
  return static_cast<int32>(n);
}

bool16 MemoryReadStream::ReadInt16(int16& value) {
  if (bytes_.size() - position_ < 2) {
    position_ = bytes_.size();
    good_ = false;
    return kFalse;
  }
  value = static_cast<int16>(bytes_[position_] | (bytes_[position_ + 1] << 8));
  position_ += 2;
  return kTrue;
}

int32 MemoryReadStream::Seek(int32 offset, SeekFromWhere fromWhere) {
  int64_t base = 0;
  if (fromWhere == kSeekFromCurrent) base = static_cast<int64_t>(position_);
  if (fromWhere == kSeekFromEnd) base = static_cast<int64_t>(bytes_.size());
  const int64_t target = std::clamp<int64_t>(base + offset, 0, static_cast<int64_t>(bytes_.size()));
  position_ = static_cast<std::size_t>(target);
  good_ = true;
  return static_cast<int32>(target);
}

std::optional<std::vector<uchar>> ReadFileBytes(const std::string& path, std::string& whyNot) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    whyNot = std::strerror(errno);
    return std::nullopt;
  }
  std::vector<uchar> bytes;
  uchar chunk[1 << 16];
  std::size_t n = 0;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    if (bytes.size() + n > static_cast<std::size_t>(std::numeric_limits<int32>::max())) {
      std::fclose(file);
      whyNot = "file too large (over 2 GiB)";
      return std::nullopt;
    }
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  const bool failed = std::ferror(file) != 0;
  const int savedErrno = errno;
  std::fclose(file);
  if (failed) {
    whyNot = std::strerror(savedErrno);
    return std::nullopt;
  }
  return bytes;
}
