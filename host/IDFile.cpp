#include "host/IDFile.h"

PMString IDFile::GetExtension() const {
  const auto slash = path_.find_last_of('/');
  const std::string name = slash == std::string::npos ? path_ : path_.substr(slash + 1);
  const auto dot = name.find_last_of('.');
  if (dot == std::string::npos) return PMString();
  return PMString(std::string_view(name).substr(dot + 1));
}
