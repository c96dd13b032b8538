// Replays saved inputs through a fuzz target without libFuzzer, so a crash
// found by the fuzzer can be rerun under any compiler or a debugger.

#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::FILE* file = std::fopen(argv[i], "rb");
    if (!file) {
      std::fprintf(stderr, "cannot open %s\n", argv[i]);
      return 2;
    }
    std::vector<uint8_t> bytes;
    uint8_t chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof(chunk), file)) > 0) {
      bytes.insert(bytes.end(), chunk, chunk + got);
    }
    std::fclose(file);
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    std::printf("%s: %zu bytes, no fault\n", argv[i], bytes.size());
  }
  return 0;
}
