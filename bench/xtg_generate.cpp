// xtg_generate: writes a synthetic XPress Tags file of an exact size, for the
// import benchmark.
//
//   xtg_generate --kind plain|tagged|names --bytes N OUTPUT
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/XtgGenerator.h"


namespace {

int Usage(const char* problem) {
  std::fprintf(stderr,
               "xtg_generate: %s\n"
               "Usage: xtg_generate --kind plain|tagged|names --bytes N OUTPUT\n",
               problem);
  return 64;
}

}  // namespace

int main(int argc, char** argv) {
  const char* kindName = nullptr;
  const char* bytesText = nullptr;
  const char* output = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--kind") == 0 && i + 1 < argc) {
      kindName = argv[++i];
    } else if (std::strcmp(argv[i], "--bytes") == 0 && i + 1 < argc) {
      bytesText = argv[++i];
    } else if (argv[i][0] == '-') {
      return Usage("unknown option or missing value");
    } else if (!output) {
      output = argv[i];
    } else {
      return Usage("more than one output file");
    }
  }
  if (!kindName || !bytesText || !output) return Usage("--kind, --bytes and OUTPUT are needed");

  xtgbench::Kind kind;
  if (!xtgbench::ParseKind(kindName, kind)) return Usage("--kind must be plain, tagged or names");
  char* end = nullptr;
  const unsigned long long bytes = std::strtoull(bytesText, &end, 10);
  if (!end || *end != '\0' || bytes == 0) return Usage("--bytes needs a positive number");

  const std::string text = xtgbench::GenerateXtg(kind, static_cast<std::size_t>(bytes));
  std::FILE* file = std::fopen(output, "wb");
  if (!file) {
    std::perror(output);
    return 1;
  }
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  if (std::fclose(file) != 0 || !written) {
    std::perror(output);
    return 1;
  }
  return 0;
}
