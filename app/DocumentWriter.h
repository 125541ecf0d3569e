// Writing an imported document for people and tools: the text of its
// stories (.txt) or a JSON dump of stories, paragraphs, runs, styles,
// swatches and alerts (.json; its form is described in docs/output.md).
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "app/ImportSession.h"

nlohmann::ordered_json DocumentToJson(const ImportSession& session);
std::string DocumentToText(const ImportSession& session);

// Writes the document to path in the form its extension names (.json or
// .txt); false with a message when it cannot.
bool WriteDocument(const ImportSession& session, const std::string& path, std::string& message);
