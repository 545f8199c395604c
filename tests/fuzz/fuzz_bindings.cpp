#include <string>

#include "app/bindings_file.h"
#include "fuzz_check.h"

// Whatever the file says, the bindings read never hold a key or a pad button twice, and they write
// a file that reads back as themselves without complaint.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const FightBindings read = BindingsFromText(std::string(reinterpret_cast<const char*>(data), size), nullptr);
  for (int f = 0; f < 2; ++f) {
    for (int i = 0; i < kFightInputCount; ++i) {
      int otherFighter = 0;
      int otherInput = 0;
      FUZZ_CHECK(!KeyBoundElsewhere(read, read.key[f][i], f, i, otherFighter, otherInput));
      FUZZ_CHECK(!PadBoundElsewhere(read, read.pad[f][i], f, i, otherInput));
      FUZZ_CHECK(BindableKey(read.key[f][i]) && BindableButton(read.pad[f][i]));
    }
  }
  std::string problems;
  const FightBindings back = BindingsFromText(BindingsText(read), &problems);
  FUZZ_CHECK(problems.empty());
  FUZZ_CHECK(BindingsText(back) == BindingsText(read));
  return 0;
}
