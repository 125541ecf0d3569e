// brisko: imports XPress Tags files into a new document and writes the
// result. Standard output carries only the import's own diagnostic lines;
// brisko's messages and the import's alerts go to standard error.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/DocumentWriter.h"
#include "app/ImportSession.h"

namespace {

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitImportFailed = 1;
constexpr int kExitCancelled = 2;
constexpr int kExitNotRecognised = 3;
constexpr int kExitUsage = 64;
constexpr int kExitUnreadable = 66;

const char* const kHelp =
    "Usage: brisko import [-o OUTPUT] INPUT...\n"
    "\n"
    "Imports each XPress Tags file (.xtg) into one new document, in the order\n"
    "given: a later file finds the styles and colours that an earlier one made.\n"
    "\n"
    "Options:\n"
    "  -o OUTPUT   write the result: OUTPUT.txt gets the text of every story\n"
    "              (one line per paragraph), OUTPUT.json the whole document\n"
    "              (stories, paragraphs, runs, styles, swatches and alerts)\n"
    "  -h, --help  show this help\n"
    "\n"
    "Standard output carries only the import's diagnostic lines; brisko's own\n"
    "messages and the import's alerts go to standard error.\n"
    "\n"
    "Exit status: 0 all files imported; 1 an import failed; 2 an import was\n"
    "cancelled; 3 a file is not an XPress Tags file; 64 bad command line;\n"
    "66 an input file cannot be read.\n";

int Usage(const std::string& problem) {
  std::fprintf(stderr, "brisko: %s\nTry 'brisko --help'.\n", problem.c_str());
  return kExitUsage;
}

bool EndsWith(const std::string& s, const char* suffix) {
  const std::size_t n = std::strlen(suffix);
  return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}

int ExitStatusOf(ImportOutcome outcome) {
  switch (outcome) {
    case ImportOutcome::kImported: return kExitOk;
    case ImportOutcome::kFailed: return kExitImportFailed;
    case ImportOutcome::kCancelled: return kExitCancelled;
    case ImportOutcome::kNotRecognised: return kExitNotRecognised;
    case ImportOutcome::kUnreadable: return kExitUnreadable;
  }
  return kExitImportFailed;
}

int RunImport(const std::vector<std::string>& args) {
  std::string output;
  std::vector<std::string> inputs;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "-o") {
      if (i + 1 >= args.size()) return Usage("-o needs a file name");
      output = args[++i];
      if (!EndsWith(output, ".json") && !EndsWith(output, ".txt")) {
        return Usage("the output file must end in .json or .txt: " + output);
      }
    } else if (arg == "-h" || arg == "--help") {
      std::fputs(kHelp, stdout);
      return kExitOk;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Usage("unknown option " + arg);
    } else {
      inputs.push_back(arg);
    }
  }
  if (inputs.empty()) return Usage("no input file");

  ImportSession session;
  for (const auto& input : inputs) {
    std::string message;
    const ImportOutcome outcome = session.Import(input, message);
    if (outcome != ImportOutcome::kImported) {
      std::fflush(stdout);
      std::fprintf(stderr, "brisko: %s\n", message.c_str());
      return ExitStatusOf(outcome);
    }
  }
  std::fflush(stdout);
  if (!output.empty()) {
    std::string message;
    if (!WriteDocument(session, output, message)) {
      std::fprintf(stderr, "brisko: %s\n", message.c_str());
      return kExitImportFailed;
    }
  }
  return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage("no command");
  if (args[0] == "-h" || args[0] == "--help") {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  if (args[0] != "import") return Usage("unknown command " + args[0]);
  return RunImport(std::vector<std::string>(args.begin() + 1, args.end()));
}
