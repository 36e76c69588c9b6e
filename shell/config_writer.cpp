#include "shell/config_writer.h"

#include <tinyxml.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The file a chain of symbolic links ends in (or the name itself): the new
// settings replace that file and the links stay as they are.
fs::path FollowLinks(fs::path path) {
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) break;
    const fs::path next = fs::read_symlink(path, error);
    if (error) break;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path;
}

// A file the user made read-only is left alone, even where the directory
// would let us replace it.
bool MayWrite(const fs::path& path) {
  std::error_code error;
  constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((fs::status(path, error).permissions() & kAnyWrite) == fs::perms::none) return false;
  std::FILE* probe = std::fopen(path.string().c_str(), "r+b");  // opens without truncating
  if (!probe) return false;
  std::fclose(probe);
  return true;
}

}  // namespace

ConfigWriter::ConfigWriter() : document_(std::make_unique<TiXmlDocument>()) {}
ConfigWriter::~ConfigWriter() = default;

void ConfigWriter::Open(const std::string& file_name) {
  file_name_ = file_name;
  document_->LinkEndChild(new TiXmlDeclaration("1.0", "", ""));
}

void ConfigWriter::BeginElement(const char* name) {
  if (current_) open_.push_back(std::move(current_));
  current_ = std::make_unique<TiXmlElement>(name);
}

void ConfigWriter::Attribute(const char* name, int value) {
  if (current_) current_->SetAttribute(name, value);
}

void ConfigWriter::IntElement(const char* name, unsigned value) { TextElement(name, std::to_string(value)); }

void ConfigWriter::TextElement(const char* name, const std::string& text) {
  if (!current_) return;
  auto* element = new TiXmlElement(name);
  element->LinkEndChild(new TiXmlText(text.c_str()));
  current_->LinkEndChild(element);
}

void ConfigWriter::EndElement() {
  if (!current_) return;
  if (open_.empty()) {
    document_->LinkEndChild(current_.release());
    return;
  }
  std::unique_ptr<TiXmlElement> parent = std::move(open_.back());
  open_.pop_back();
  parent->LinkEndChild(current_.release());
  current_ = std::move(parent);
}

bool ConfigWriter::Close() {
  while (current_) EndElement();
  const fs::path target = FollowLinks(file_name_);
  std::error_code error;
  const bool exists = fs::exists(target, error);
  if (exists && !MayWrite(target)) return false;
  const fs::path temporary = target.string() + ".tmp";
  if (fs::is_symlink(temporary, error)) fs::remove(temporary, error);  // never written through
  std::FILE* file = std::fopen(temporary.string().c_str(), "w");
  if (!file) return false;
  const bool printed = document_->SaveFile(file);
  const bool written = std::ferror(file) == 0;
  const bool closed = std::fclose(file) == 0;
  if (printed && written && closed) {
    if (exists) fs::permissions(temporary, fs::status(target, error).permissions(), error);
    error.clear();
    fs::rename(temporary, target, error);
  }
  if (!(printed && written && closed) || error) {
    fs::remove(temporary, error);
    return false;
  }
  return true;
}
