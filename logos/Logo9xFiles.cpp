#include "logos/Logo9xFiles.h"

#include <cctype>

#include "core/ByteSpan.h"

namespace logos {

namespace {

constexpr int kMillennium = 3;
constexpr uint32_t kInfoHeaderBytes = 40;

std::string Joined(const std::string& folder, const char* name) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder + name;
  return folder + "\\" + name;
}

}  // namespace

const std::array<LogoFileEntry, kLogoFileCount>& LogoFileTable() {
  static const std::array<LogoFileEntry, kLogoFileCount> table = {{
      {1, "Startup", "logo.sys", LogoFolder::kBootDriveRoot, "Windows Default"},
      {2, "Shut down", "Logos.sys", LogoFolder::kWindowsDirectory, "Logo not found!"},
      {3, "Shut down in progress", "Logow.sys", LogoFolder::kWindowsDirectory, "Logo not found!"},
  }};
  return table;
}

const LogoFileEntry* LogoFile(int number) {
  if (number < 1 || number > kLogoFileCount) return nullptr;
  return &LogoFileTable()[static_cast<size_t>(number) - 1];
}

std::vector<int> ShownLogoFiles(int windowsVersion) {
  if (windowsVersion == kMillennium) return {1, 2};
  return {1, 2, 3};
}

std::string LogoFilePath(const LogoFileEntry& entry, const std::string& bootDriveRoot,
                         const std::string& windowsDirectory) {
  return Joined(entry.folder == LogoFolder::kBootDriveRoot ? bootDriveRoot : windowsDirectory,
                entry.fileName);
}

std::string LogoBackupPath(const LogoFileEntry& entry, const std::string& programFolder) {
  return Joined(programFolder, entry.fileName);
}

bool LogosBackedUp(const std::string& storedValue) {
  std::string lower = storedValue;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower == kLogosBackedUpTrue;
}

bool BackupsComplete(const std::array<bool, kLogoFileCount>& logoExists,
                     const std::array<bool, kLogoFileCount>& backupExists) {
  for (size_t i = 0; i < logoExists.size(); ++i)
    if (logoExists[i] && !backupExists[i]) return false;
  return true;
}

bool SetAnimatedColours(std::vector<uint8_t>& logoFile, int count) {
  if (count < 0 || count > kMaxAnimatedColours) return false;
  const core::ByteSpan file(logoFile.data(), logoFile.size());
  const auto magic = file.U16(0);
  const auto headerBytes = file.U32(14);
  if (!magic || *magic != 0x4D42 || !headerBytes || *headerBytes < kInfoHeaderBytes ||
      !file.Contains(kAnimatedColoursOffset, 4))
    return false;
  logoFile[kAnimatedColoursOffset] = static_cast<uint8_t>(count);
  return true;
}

LogoMarks::Marks* LogoMarks::At(int number) {
  if (number < 1 || number > kLogoFileCount) return nullptr;
  return &marks_[static_cast<size_t>(number) - 1];
}

const LogoMarks::Marks* LogoMarks::At(int number) const {
  if (number < 1 || number > kLogoFileCount) return nullptr;
  return &marks_[static_cast<size_t>(number) - 1];
}

void LogoMarks::Changed(int number) {
  Marks* marks = At(number);
  if (marks == nullptr) return;
  marks->changed = true;
  marks->restore = false;
  // A new start-up logo replaces an earlier "Win default" choice; a change
  // of another logo leaves that choice standing.
  if (number == 1) windowsDefault_ = false;
}

RestoreShows LogoMarks::Restore(int number, bool backupExists) {
  Marks* marks = At(number);
  if (marks == nullptr) return RestoreShows::kBackupMissing;
  if (!backupExists && number != 1) return RestoreShows::kBackupMissing;
  marks->restore = true;
  marks->changed = false;
  // The picture now shows the backup, so OK must put the backup back
  // rather than delete the start-up logo for an earlier "Win default".
  if (number == 1) windowsDefault_ = false;
  return backupExists ? RestoreShows::kBackup : RestoreShows::kWindowsDefault;
}

void LogoMarks::WindowsDefault() {
  windowsDefault_ = true;
  marks_[0].restore = true;
  marks_[0].changed = false;
}

LogoFileAction LogoMarks::ActionAtOk(int number, bool backupExists) const {
  const Marks* marks = At(number);
  if (marks == nullptr) return LogoFileAction::kKeep;
  if (marks->changed) return LogoFileAction::kWriteNew;
  if (!marks->restore) return LogoFileAction::kKeep;
  if (number == 1)
    return !windowsDefault_ && backupExists ? LogoFileAction::kCopyBackup : LogoFileAction::kDelete;
  return LogoFileAction::kCopyBackup;
}

bool LogoMarks::AnyMarked() const {
  for (const Marks& marks : marks_)
    if (marks.changed || marks.restore) return true;
  return false;
}

}  // namespace logos
