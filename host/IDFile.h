// IDFile: the host's file object. Files on this platform carry no type code
// of their own; a file object reports the type code it was made with (none
// for a plain path), and the extension of its name.
#pragma once

#include <string>

#include "host/PMString.h"
#include "host/Types.h"

using FourCharCode = uint32;
constexpr FourCharCode MakeFourCharCode(const char (&code)[5]) {
  return (static_cast<uint32>(static_cast<uchar>(code[0])) << 24) | (static_cast<uint32>(static_cast<uchar>(code[1])) << 16) |
         (static_cast<uint32>(static_cast<uchar>(code[2])) << 8) | static_cast<uint32>(static_cast<uchar>(code[3]));
}
constexpr FourCharCode kNoFileType = 0;

class IDFile {
 public:
  IDFile() = default;
  explicit IDFile(std::string path, FourCharCode typeCode = kNoFileType) : path_(std::move(path)), typeCode_(typeCode) {}

  const std::string& GetPath() const { return path_; }
  FourCharCode GetFileType() const { return typeCode_; }
  // The text after the last '.' of the file name, without the dot; empty
  // when the name has no dot.
  PMString GetExtension() const;

 private:
  std::string path_;
  FourCharCode typeCode_ = kNoFileType;
};
