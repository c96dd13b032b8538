// Begin, replace one string block, End on synthetic PE32 files of 2 MB and
// 20 MB, against copying the same file with cp in the same run. Prints the
// ratio per size at the end; the goal is at most 2x the copy.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "resedit/ResourceUpdate.h"
#include "resedit/StringBlock.h"
#include "tests/unit/resedit/PeBuilder.h"

namespace {

using resedit::test::TestImage;

std::vector<uint8_t> Noise(size_t size, uint32_t seed) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) {
    seed = seed * 1103515245u + 12345u;
    bytes[i] = static_cast<uint8_t>(seed >> 16);
  }
  return bytes;
}

// A shell-like file: code, a resource section with string blocks, a menu and
// bitmaps that make up about half the size, then relocations.
std::string MakeImage(size_t megabytes) {
  const size_t size = megabytes << 20;
  TestImage image;
  image.sections = {{".text", 0x60000020, Noise(size / 2, 1)},
                    {".rsrc", 0x40000040, {}, true},
                    {".reloc", 0x42000040, Noise(0x2000, 2)}};
  for (uint32_t bitmap = 130; bitmap < 140; ++bitmap)
    image.resources.push_back({2, bitmap, 1033, Noise(size / 20, bitmap)});
  image.resources.push_back({4, 204, 1033, Noise(3000, 3)});
  resedit::StringBlock block;
  for (auto& text : block) text = u"Start menu text of a typical length";
  for (uint32_t id = 1; id <= 64; ++id)
    image.resources.push_back({6, id, 1033, *resedit::EncodeStringBlock(block)});
  resedit::test::BuiltImage built = resedit::test::BuildImage(image);
  auto path = std::filesystem::temp_directory_path() /
              ("quorlo-bench-" + std::to_string(megabytes) + "mb.exe");
  resedit::test::WriteFileBytes(path.string(), built.bytes);
  return path.string();
}

const std::string& ImagePath(size_t megabytes) {
  static std::map<size_t, std::string> paths;
  auto& path = paths[megabytes];
  if (path.empty()) path = MakeImage(megabytes);
  return path;
}

void BM_Copy(benchmark::State& state) {
  const std::string& in = ImagePath(static_cast<size_t>(state.range(0)));
  const std::string command = "cp '" + in + "' '" + in + ".copy.exe'";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("cp failed");
  }
  std::filesystem::remove(in + ".copy.exe");
}

void BM_ReplaceStringBlock(benchmark::State& state) {
  const std::string& in = ImagePath(static_cast<size_t>(state.range(0)));
  const std::string out = in + ".rebuilt.exe";
  resedit::StringBlock block;
  block[5] = u"Quorlo";
  std::vector<uint8_t> data = *resedit::EncodeStringBlock(block);
  for (auto _ : state) {
    bool ok = resedit::BeginResourceUpdate(in) == resedit::ResourceStatus::kSuccess &&
              resedit::UpdateResourceEntry(6, 37, 0, data.data(), data.size()) &&
              resedit::EndResourceUpdate(out) == resedit::ResourceStatus::kSuccess;
    if (!ok) state.SkipWithError("rebuild failed");
  }
  std::filesystem::remove(out);
}

BENCHMARK(BM_Copy)->Arg(2)->Arg(20)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReplaceStringBlock)->Arg(2)->Arg(20)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps the wall time of each run so the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }

  int PrintRatios() const {
    int status = 0;
    for (const char* size : {"2", "20"}) {
      auto copy = times_.find(std::string("BM_Copy/") + size + "/real_time");
      auto rebuild = times_.find(std::string("BM_ReplaceStringBlock/") + size + "/real_time");
      if (copy == times_.end() || rebuild == times_.end()) continue;
      double ratio = rebuild->second / copy->second;
      std::printf("resedit %s MB: rebuild %.2f ms, cp %.2f ms, ratio %.2f (goal <= 2.00)\n", size,
                  rebuild->second, copy->second, ratio);
    }
    return status;
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  for (size_t megabytes : {2, 20}) std::filesystem::remove(ImagePath(megabytes));
  benchmark::Shutdown();
  return 0;
}
