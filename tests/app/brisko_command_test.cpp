// The brisko command: exit statuses, messages and outputs.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct CommandRun {
  int status;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Files of this process only: tests run in parallel processes.
std::string TempPath(const std::string& name) {
  return testing::TempDir() + "brisko_" + std::to_string(getpid()) + "_" + name;
}

CommandRun Brisko(const std::string& args) {
  const std::string out = TempPath("stdout.txt");
  const std::string err = TempPath("stderr.txt");
  const std::string command = std::string(BRISKO_CLI) + " " + args + " >" + out + " 2>" + err;
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(out), Slurp(err)};
}

std::string WriteTemp(const std::string& name, const std::string& content) {
  const std::string path = TempPath(name);
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

TEST(BriskoCommandTest, ExitStatusTellsWhatHappened) {
  const std::string good = WriteTemp("good.xtg", "<v1.70><e1>\r\nHello\r\n");
  const std::string notTags = WriteTemp("plain.xtg", "Hello\r\n");
  const std::string wrongName = WriteTemp("tags.txt", "<v1.70><e1>\r\nHello\r\n");
  const struct {
    std::string args;
    int status;
  } cases[] = {
      {"import " + good, 0},
      {"import " + notTags, 3},
      {"import " + wrongName, 3},
      {"import /nonexistent/file.xtg", 66},
      {"import", 64},
      {"import -o out.pdf " + good, 64},
      {"import --bogus " + good, 64},
      {"frobnicate", 64},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const CommandRun run = Brisko(c.args);
    EXPECT_EQ(run.status, c.status) << run.err;
    if (c.status != 0) {
      EXPECT_NE(run.err.find("brisko: "), std::string::npos);
    }
    EXPECT_EQ(run.out, "");  // nothing but the import's own diagnostics goes to standard output
  }
  const CommandRun help = Brisko("import --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: brisko import"), std::string::npos);
}

TEST(BriskoCommandTest, WritesTextAndJson) {
  const std::string input = WriteTemp("two.xtg", "<v1.70><e1>\r\n@Emph=<I>\r\nOne\r\n<@Emph>Two\r\n");
  const std::string txt = TempPath("two.txt");
  const std::string json = TempPath("two.json");
  ASSERT_EQ(Brisko("import " + input + " -o " + txt).status, 0);
  EXPECT_EQ(Slurp(txt), "One\nTwo\n\n");
  ASSERT_EQ(Brisko("import -o " + json + " " + input + " " + input).status, 0);
  const std::string dump = Slurp(json);
  EXPECT_NE(dump.find("\"text\": \"One\\rTwo\\r\\r\""), std::string::npos) << dump;
  EXPECT_NE(dump.find("\"characterStyle\": \"Emph\""), std::string::npos) << dump;
  EXPECT_NE(dump.find("Character styles: Emph"), std::string::npos) << dump;  // the second import's alert
}

}  // namespace
