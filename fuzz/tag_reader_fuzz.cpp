// Feeds arbitrary tag texts to TagReader and checks that reading one ends in
// time, keeps the cursor inside the text and returns only defined codes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/WideString.h"
#include "tags/TagCode.h"
#include "tags/TagReader.h"

namespace {

bool IsDefinedCode(TagCode code) { return code >= ParaAlign && code <= End && code != 9 && code != 38; }

[[noreturn]] void Fail(const char* what, long long value) {
  std::fprintf(stderr, "tag_reader_fuzz: %s (%lld)\n", what, value);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The bytes are UTF-16LE code units; an odd last byte is dropped.
  std::u16string units;
  units.reserve(size / 2);
  for (size_t i = 0; i + 1 < size; i += 2) units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  const WideString text(std::move(units));

  TagReader reader;
  reader.SetText(text);
  const long long limit = (static_cast<long long>(text.Length()) + 1) * 2;
  for (long long calls = 1;; ++calls) {
    if (calls > limit) Fail("no End within (length + 1) * 2 calls", calls);
    const TagCode code = reader.NextTag();
    if (reader.position < 0 || reader.position > text.Length()) Fail("position outside the text", reader.position);
    if (code == End) break;
    if (!IsDefinedCode(code)) Fail("undefined code", code);
  }
  return 0;
}
