// A test fixture that starts the host with the plug-in, makes a fresh active
// document, and imports XPress Tags bytes into it through the plug-in's
// import provider, as the host does. It records what the import wrote to
// standard output and the alerts it showed.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/HostApplication.h"
#include "host/IImportProvider.h"
#include "host/ITextModel.h"

class ImportFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  struct Result {
    ErrorCode errorCode = kSuccess;
    UIDRef story;
    std::string diagnostics;  // what the import wrote to standard output
  };

  // Imports bytes as a file would be imported (stream check, then import).
  Result ImportBytes(const std::string& bytes, int32 uiFlags = IImportProvider::kSuppressUI);
  // Imports the body after an 8-bit version header line ("<v1.70><e1>\r").
  Result ImportBody(const std::string& body) { return ImportBytes(kHeader + body); }

  // The story's text as UTF-8, paragraph ends as "\r".
  std::string TextOf(const Result& result) const;
  const ::StoryText* Story(const Result& result) const;
  std::vector<std::string> Alerts() const;
  // The name of the style in force for the paragraph at position, or "" for
  // the name-less root.
  std::string ParagraphStyleAt(const Result& result, TextIndex position) const;
  std::string CharacterStyleAt(const Result& result, TextIndex position) const;
  std::vector<std::string> StyleNames(bool paragraph) const;

  IImportProvider* Provider() const { return provider_.get(); }
  IDataBase* DataBase() const { return document_->DataBase(); }
  const HostDocument& Document() const { return *document_; }

  static inline const std::string kHeader = "<v1.70><e1>\r";

 private:
  std::unique_ptr<HostDocument> document_;
  InterfacePtr<IImportProvider> provider_;
};

// The bytes of a file in tests/data.
std::string ReadTestData(const std::string& name);
