#include "platform/FileNames.h"

#include <filesystem>

std::string FileNameOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}

std::string PathRecordedIn(const std::string& file, const std::string& path) {
  const std::filesystem::path recorded(path);
  if (path.empty() || recorded.is_absolute()) return path;
  return (std::filesystem::path(file).parent_path() / recorded).lexically_normal().string();
}

std::string UpperExt3(const std::string& path) {
  std::string ext = path.size() > 3 ? path.substr(path.size() - 3) : path;
  for (char& c : ext)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return ext;
}
