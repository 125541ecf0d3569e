#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "host/CTUnicodeTranslator.h"
#include "host/MemoryStream.h"
#include "host/ObjectModel.h"
#include "import/CentralEuropeanTables.h"
#include "import/MacCEFileReader.h"
#include "import/UNICODEFileReader.h"
#include "import/WinCEFileReader.h"

namespace {

using MakeSource = std::unique_ptr<KFileReader> (*)();

std::unique_ptr<KFileReader> MakeMacCE() { return std::make_unique<MacCEFileReader>(); }
std::unique_ptr<KFileReader> MakeWinCE() { return std::make_unique<WinCEFileReader>(); }
std::unique_ptr<KFileReader> MakeUnicode() { return std::make_unique<UNICODEFileReader>(); }

struct SourceKind {
  const char* name;
  MakeSource make;
  int32 charSize;
};
const SourceKind kSources[] = {
    {"MacCE", MakeMacCE, 1},
    {"WinCE", MakeWinCE, 1},
    {"UNICODE", MakeUnicode, 2},
};

// glibc's conversion of one byte to a UTF-16 unit, or nothing when the
// character set leaves the byte undefined.
class IconvByte {
 public:
  explicit IconvByte(const char* charset) : cd_(iconv_open("UTF-16LE", charset)) {}
  ~IconvByte() {
    if (ok()) iconv_close(cd_);
  }
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  std::optional<uint16> Convert(uchar byte) const {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char in = static_cast<char>(byte);
    unsigned char out[4] = {};
    char* inPtr = &in;
    char* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = 1;
    size_t outLeft = sizeof out;
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return std::nullopt;
    if (sizeof out - outLeft != 2) return std::nullopt;
    return static_cast<uint16>(out[0] | (out[1] << 8));
  }

 private:
  iconv_t cd_;
};

}  // namespace

TEST(CharacterSourcesTest, DecodesUnitsUntilTheEnd) {
  const struct {
    const char* what;
    MakeSource make;
    std::vector<uchar> bytes;
    std::vector<uint16> units;  // what successive NextChar calls return
  } cases[] = {
      {"MacCE ASCII and high bytes",
       MakeMacCE,
       {0x41, 0x80, 0xFF, 0x88, 0xA5},
       {0x41, 0xC4, 0x2C7, 0x105, 0x2022, 0, 0}},
      {"MacCE NUL byte reads as 0", MakeMacCE, {0x41, 0x00, 0x42}, {0x41, 0, 0x42, 0}},
      {"MacCE empty stream", MakeMacCE, {}, {0, 0}},
      {"WinCE high bytes",
       MakeWinCE,
       {0x8A, 0x9A, 0x80, 0xA5, 0xB9, 0x7A},
       {0x160, 0x161, 0x20AC, 0x104, 0x105, 0x7A, 0}},
      // 0x83 is undefined in code page 1250; its entry is 0, like a NUL byte.
      {"WinCE 0x83 reads as 0", MakeWinCE, {0x83, 0x41}, {0, 0x41, 0}},
      {"UNICODE <v then zero unit",
       MakeUnicode,
       {0x3C, 0x00, 0x76, 0x00, 0x00, 0x00, 0x41, 0x00},
       {0x3C, 0x76, 0, 0x41, 0}},
      {"UNICODE BOM, surrogates, FFFF",
       MakeUnicode,
       {0xFF, 0xFE, 0x3D, 0xD8, 0x00, 0xDE, 0xFF, 0xFF},
       {0xFEFF, 0xD83D, 0xDE00, 0xFFFF, 0}},
      {"UNICODE odd trailing byte", MakeUnicode, {0x41, 0x00, 0x42}, {0x41, 0, 0}},
      {"UNICODE empty stream", MakeUnicode, {}, {0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryReadStream stream(c.bytes);
    auto source = c.make();
    ASSERT_EQ(source->Attach(&stream), static_cast<int32>(c.bytes.size()));
    for (std::size_t i = 0; i < c.units.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(source->NextChar(), c.units[i]);
    }
  }
}

// Every byte of both 8-bit sources: bytes below 0x80 are ASCII; a byte glibc
// defines has a table entry and decodes as glibc does; a byte glibc leaves
// undefined has no entry and decodes as the host translator does.
TEST(CharacterSourcesTest, EightBitTablesAgreeWithIconv) {
  const struct {
    const char* charset;
    MakeSource make;
    const HighByteTable& table;
    std::vector<int> undefined;
  } cases[] = {
      {"MAC-CENTRALEUROPE", MakeMacCE, kMacCentralEuropeanTable, {}},
      {"CP1250", MakeWinCE, kWindowsCentralEuropeanTable, {0x81, 0x88, 0x90, 0x98}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.charset);
    IconvByte iconvByte(c.charset);
    ASSERT_TRUE(iconvByte.ok()) << "glibc lacks the converter";
    std::vector<uchar> all;
    for (int b = 1; b <= 0xFF; ++b) all.push_back(static_cast<uchar>(b));
    MemoryReadStream stream(all);
    auto source = c.make();
    source->Attach(&stream);
    std::vector<int> undefined;
    for (int b = 1; b <= 0xFF; ++b) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "0x%02X", b);
      SCOPED_TRACE(hex);
      const uchar byte = static_cast<uchar>(b);
      const uint16 unit = source->NextChar();
      const std::optional<uint16> expected = iconvByte.Convert(byte);
      if (b < 0x80) {
        EXPECT_EQ(unit, b);
        EXPECT_FALSE(c.table.HasEntry(byte));
      } else if (&c.table == &kWindowsCentralEuropeanTable && b == 0x83) {
        EXPECT_EQ(unit, 0);  // the one entry that reads as NUL
        EXPECT_TRUE(c.table.HasEntry(byte));
      } else if (expected) {
        EXPECT_EQ(unit, *expected);
        EXPECT_TRUE(c.table.HasEntry(byte));
      } else {
        undefined.push_back(b);
        EXPECT_EQ(unit, CTUnicodeTranslator::SystemCharToUnit(byte));
        EXPECT_NE(unit, 0);
        EXPECT_FALSE(c.table.HasEntry(byte));
      }
    }
    EXPECT_EQ(undefined, c.undefined);
    EXPECT_EQ(source->NextChar(), 0);
  }
}

TEST(CharacterSourcesTest, AttachMeasuresWithoutMovingAndReplaces) {
  const std::vector<uchar> twelve = {'<', 0, 'v', 0, '1', 0, '2', 0, '3', 0, '4', 0};
  for (const SourceKind& kind : kSources) {
    SCOPED_TRACE(kind.name);
    auto source = kind.make();
    EXPECT_EQ(source->CharSize(), kind.charSize);
    // Unattached, or attached to nothing: empty, not a crash.
    EXPECT_EQ(source->NextChar(), 0);
    EXPECT_EQ(source->Length(), 0);
    EXPECT_EQ(source->Attach(nullptr), 0);

    MemoryReadStream stream(twelve);
    stream.Seek(6, kSeekFromStart);
    EXPECT_EQ(source->Attach(&stream), 12);
    EXPECT_EQ(stream.Position(), 6);
    EXPECT_EQ(source->Length(), 12);
    EXPECT_EQ(source->StreamLength(), 12);
    EXPECT_EQ(stream.Position(), 6);
    EXPECT_EQ(source->NextChar(), '2');  // reading starts where the stream stood

    MemoryReadStream other({'x', 0, 'y'});
    EXPECT_EQ(source->Attach(&other), 3);
    EXPECT_EQ(source->StreamLength(), 3);
    EXPECT_EQ(source->NextChar(), 'x');
    EXPECT_EQ(stream.Position(), 6 + kind.charSize);  // the first stream is no longer read
  }
}

TEST(CharacterSourcesTest, UnicodeSourceIsBuiltByTheHostFactory) {
  const ImplementationFactory factory = MakeFactory<UNICODEFileReader>(kUnicodeFileReaderImpl);
  alignas(std::max_align_t) unsigned char memory[256];
  ASSERT_LE(factory.size, sizeof memory);
  IPMUnknown* object = factory.construct(memory, nullptr);
  auto* source = static_cast<ITxtImpFileReader*>(object);
  MemoryReadStream stream({'<', 0, 'v', 0});
  EXPECT_EQ(source->Attach(&stream), 4);
  EXPECT_EQ(source->NextChar(), '<');
  EXPECT_EQ(source->NextChar(), 'v');
  EXPECT_EQ(source->NextChar(), 0);
  factory.destruct(object);
}
