#pragma once
// A folder of its own for each file test, made and emptied through the C
// library and the system's narrow calls, so that the same checks run natively
// and under Wine.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <direct.h>
#include <process.h>
#else
#include <unistd.h>
#endif

#include "core/FileIo.h"

namespace core {

inline void PrintTo(ReadResult result, std::ostream* out) {
  static const char* const kNames[] = {"kOk", "kMissing", "kUnreadable", "kShortRead", "kTooLarge"};
  *out << kNames[static_cast<int>(result)];
}

inline void PrintTo(WriteResult result, std::ostream* out) {
  static const char* const kNames[] = {"kOk", "kCannotCreate", "kWriteFailed"};
  *out << kNames[static_cast<int>(result)];
}

namespace test {

#ifdef _WIN32
constexpr char kSeparator = '\\';
inline bool MakeFolder(const std::string& path) {
  return _mkdir(path.c_str()) == 0;
}
inline bool RemoveFolder(const std::string& path) {
  return _rmdir(path.c_str()) == 0;
}
inline int ProcessId() {
  return _getpid();
}
#else
constexpr char kSeparator = '/';
inline bool MakeFolder(const std::string& path) {
  return mkdir(path.c_str(), 0755) == 0;
}
inline bool RemoveFolder(const std::string& path) {
  return rmdir(path.c_str()) == 0;
}
inline int ProcessId() {
  return static_cast<int>(getpid());
}
#endif

inline bool Exists(const std::string& path) {
  struct stat facts;
  return stat(path.c_str(), &facts) == 0;
}

inline bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written =
      bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

// The file's bytes read straight through the C library, independent of the
// code under test.
inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::vector<uint8_t> bytes;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return bytes;
  for (int c; (c = std::fgetc(file)) != EOF;) bytes.push_back(static_cast<uint8_t>(c));
  std::fclose(file);
  return bytes;
}

inline std::vector<uint8_t> Bytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

// A fresh folder under the test run's temporary folder; the process id keeps
// runs that share the machine apart. The test removes what it makes in it
// through Track; the folder goes when the fixture does.
class ScratchFolder : public testing::Test {
 protected:
  void SetUp() override {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    folder_ = testing::TempDir() + "quorlo-core-" + std::to_string(ProcessId()) + "-" +
              info->test_suite_name() + "-" + info->name();
    Clean();
    ASSERT_TRUE(MakeFolder(folder_)) << folder_;
  }
  void TearDown() override { Clean(); }

  std::string Path(const std::string& name) const { return folder_ + kSeparator + name; }

  // Remembers a file or folder in the scratch folder for removal, innermost
  // last.
  std::string Track(const std::string& name) {
    made_.push_back(Path(name));
    return made_.back();
  }

 private:
  void Clean() {
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) {
      if (std::remove(it->c_str()) != 0) RemoveFolder(*it);
    }
    RemoveFolder(folder_);
  }

  std::string folder_;
  std::vector<std::string> made_;
};

}  // namespace test
}  // namespace core
