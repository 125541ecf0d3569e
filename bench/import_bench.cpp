// import_bench: times the import of one XPress Tags file.
//
//   import_bench [--repeat N] FILE.xtg
//   import_bench [--repeat N] --kind plain|tagged|names --bytes N
//
// Each run imports the file into a fresh document through ImportSession, as
// the brisko command does. With --kind and --bytes the input is generated
// first (as xtg_generate would write it) into a temporary .xtg file. The
// import's diagnostic lines on standard output are discarded; the results
// are printed afterwards, one "key: value" per line:
//
//   bytes: input size in bytes
//   seconds: the best run
//   mb_per_s: bytes / seconds / 10^6
//   peak_rss_mib: the process's peak resident memory (getrusage), in MiB
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/ImportSession.h"
#include "bench/XtgGenerator.h"


namespace {

int Usage(const char* problem) {
  std::fprintf(stderr,
               "import_bench: %s\n"
               "Usage: import_bench [--repeat N] FILE.xtg\n"
               "       import_bench [--repeat N] --kind plain|tagged|names --bytes N\n",
               problem);
  return 64;
}

// Sends standard output to /dev/null while it lives.
class SilencedStdout {
 public:
  SilencedStdout() {
    std::fflush(stdout);
    saved_ = dup(STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) {
      dup2(null, STDOUT_FILENO);
      close(null);
    }
  }
  ~SilencedStdout() {
    std::fflush(stdout);
    if (saved_ >= 0) {
      dup2(saved_, STDOUT_FILENO);
      close(saved_);
    }
  }
  SilencedStdout(const SilencedStdout&) = delete;
  SilencedStdout& operator=(const SilencedStdout&) = delete;

 private:
  int saved_ = -1;
};

bool WriteTemporary(const std::string& bytes, std::string& path) {
  const char* dir = std::getenv("TMPDIR");
  std::string pattern = std::string(dir && *dir ? dir : "/tmp") + "/import_bench_XXXXXX.xtg";
  const int fd = mkstemps(pattern.data(), 4);
  if (fd < 0) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) {
      close(fd);
      unlink(pattern.c_str());
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  close(fd);
  path = pattern;
  return true;
}

long long FileSize(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return -1;
  std::fseek(file, 0, SEEK_END);
  const long long size = std::ftell(file);
  std::fclose(file);
  return size;
}

}  // namespace

int main(int argc, char** argv) {
  int repeat = 1;
  const char* kindName = nullptr;
  const char* bytesText = nullptr;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc) {
      repeat = std::atoi(argv[++i]);
      if (repeat < 1) return Usage("--repeat needs a positive number");
    } else if (std::strcmp(argv[i], "--kind") == 0 && i + 1 < argc) {
      kindName = argv[++i];
    } else if (std::strcmp(argv[i], "--bytes") == 0 && i + 1 < argc) {
      bytesText = argv[++i];
    } else if (argv[i][0] == '-') {
      return Usage("unknown option or missing value");
    } else if (path.empty()) {
      path = argv[i];
    } else {
      return Usage("more than one input file");
    }
  }

  bool temporary = false;
  if (kindName || bytesText) {
    if (!kindName || !bytesText || !path.empty()) return Usage("give either FILE or both --kind and --bytes");
    xtgbench::Kind kind;
    if (!xtgbench::ParseKind(kindName, kind)) return Usage("--kind must be plain, tagged or names");
    const long long bytes = std::atoll(bytesText);
    if (bytes <= 0) return Usage("--bytes needs a positive number");
    if (!WriteTemporary(xtgbench::GenerateXtg(kind, static_cast<std::size_t>(bytes)), path)) {
      std::perror("import_bench: temporary file");
      return 1;
    }
    temporary = true;
  }
  if (path.empty()) return Usage("no input");

  const long long size = FileSize(path);
  if (size < 0) {
    std::fprintf(stderr, "import_bench: cannot read %s\n", path.c_str());
    return 66;
  }

  double best = -1;
  for (int run = 0; run < repeat; ++run) {
    std::string message;
    ImportOutcome outcome;
    double seconds;
    {
      SilencedStdout quiet;
      const auto start = std::chrono::steady_clock::now();
      {
        ImportSession session;
        outcome = session.Import(path, message);
      }
      seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (outcome != ImportOutcome::kImported) {
      std::fprintf(stderr, "import_bench: %s\n", message.c_str());
      if (temporary) unlink(path.c_str());
      return 1;
    }
    if (best < 0 || seconds < best) best = seconds;
  }
  if (temporary) unlink(path.c_str());

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
  std::printf("bytes: %lld\n", size);
  std::printf("runs: %d\n", repeat);
  std::printf("seconds: %.6f\n", best);
  std::printf("mb_per_s: %.3f\n", best > 0 ? static_cast<double>(size) / best / 1e6 : 0.0);
  std::printf("peak_rss_mib: %.1f\n", peakMiB);
  return 0;
}
