#include "shell/config_writer.h"

#include <tinyxml.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

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
  const std::string temporary = file_name_ + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "w");
  if (!file) return false;
  const bool printed = document_->SaveFile(file);
  const bool written = std::ferror(file) == 0;
  const bool closed = std::fclose(file) == 0;
  std::error_code error;
  if (printed && written && closed) std::filesystem::rename(temporary, file_name_, error);
  if (!(printed && written && closed) || error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}
