#include "logos/Logo9xFiles_win.h"

#include <windows.h>

#include <utility>

#include "core/FileIo.h"
#include "core/Text.h"
#include "deploy/Activation.h"
#include "deploy/ShellLocation.h"
#include "win/Paths.h"
#include "win/ProgramIdentity.h"
#include "win/RegistryAccessor.h"
#include "win/SystemFacts.h"

namespace logos {

namespace {

// A logo is 320 x 400 at 8 bits, about 130 KB; anything far larger is not one.
constexpr uint64_t kMaxLogoFileSize = 16u << 20;

const LogoFileEntry& EntryOf(int number) {
  const LogoFileEntry* entry = LogoFile(number);
  return entry != nullptr ? *entry : LogoFileTable()[0];
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

// Why one logo could not be changed, or nothing when it was.
std::string WriteLogo(const std::string& path, const std::vector<uint8_t>& bytes) {
  // Windows refuses to replace a read-only file; some file systems and
  // emulations do not, so the file's own mark is honoured here.
  if (IsReadOnly(path)) return "The file is read-only.";
  if (core::WriteFileReplacing(path, bytes) == core::WriteResult::kOk) return {};
  return "The file could not be written (it may be read-only or in use, or the disk may be full).";
}

std::string CopyBackup(const std::string& backup, const std::string& path) {
  std::vector<uint8_t> bytes;
  if (core::ReadWholeFile(backup, kMaxLogoFileSize, bytes) != core::ReadResult::kOk)
    return "Its backup " + backup + " could not be read.";
  return WriteLogo(path, bytes);
}

std::string DeleteLogo(const std::string& path) {
  if (!Exists(path)) return {};
  if (IsReadOnly(path)) return "The file is read-only.";
  if (DeleteFileA(path.c_str())) return {};
  return "The file could not be deleted (it may be read-only or in use).";
}

}  // namespace

Logo9xFolders MachineLogo9xFolders() {
  return {win::GetBootDrive(), win::GetWindowsDir(), win::ExecutableDirectory()};
}

std::string Logo9xFilePath(int number, const Logo9xFolders& folders) {
  return LogoFilePath(EntryOf(number), folders.bootDriveRoot, folders.windowsDirectory);
}

std::string Logo9xBackupPath(int number, const Logo9xFolders& folders) {
  return LogoBackupPath(EntryOf(number), folders.programFolder);
}

bool Logo9xBackupExists(int number, const Logo9xFolders& folders) {
  return win::FileExists(Logo9xBackupPath(number, folders));
}

bool MakeLogoBackups(const Logo9xFolders& folders) {
  win::RegOpenAccessor();
  win::RegSelectKey(HKEY_CURRENT_USER, win::ProgramRegistryKey);
  const bool backedUp =
      LogosBackedUp(win::RegReadString(kLogosBackedUpValue, kLogosBackedUpDefault));
  bool recorded = backedUp;
  if (!backedUp) {
    std::array<bool, kLogoFileCount> logoExists{};
    std::array<bool, kLogoFileCount> backupExists{};
    for (const LogoFileEntry& entry : LogoFileTable()) {
      const size_t i = static_cast<size_t>(entry.number) - 1;
      const std::string logo = Logo9xFilePath(entry.number, folders);
      const std::string backup = Logo9xBackupPath(entry.number, folders);
      logoExists[i] = win::FileExists(logo);
      // A backup already there is the older one and is kept.
      if (logoExists[i]) CopyFileA(logo.c_str(), backup.c_str(), TRUE);
      backupExists[i] = win::FileExists(backup);
    }
    if (BackupsComplete(logoExists, backupExists))
      recorded = win::RegWriteString(kLogosBackedUpValue, kLogosBackedUpTrue);
  }
  win::RegCloseAccessor();
  return recorded;
}

NewLogo9x MakeNewLogo9x(std::vector<uint8_t> logoFile, int animatedColours) {
  NewLogo9x made;
  if (!SetAnimatedColours(logoFile, animatedColours)) {
    made.outcome = core::Outcome::Failure("The new logo is not a bitmap file Windows can show.");
    return made;
  }
  made.bytes = std::move(logoFile);
  return made;
}

NewLogo9x TakeNewLogo9xFile(const std::string& logoFilePath, int animatedColours) {
  std::vector<uint8_t> bytes;
  if (core::ReadWholeFile(logoFilePath, kMaxLogoFileSize, bytes) != core::ReadResult::kOk) {
    NewLogo9x failed;
    failed.outcome = core::Outcome::Failure("The new logo " + logoFilePath + " could not be read.");
    return failed;
  }
  DeleteFileA(logoFilePath.c_str());
  return MakeNewLogo9x(std::move(bytes), animatedColours);
}

void Logo9xChanges::Change(int number, std::vector<uint8_t> logoBytes) {
  if (LogoFile(number) == nullptr) return;
  marks_.Changed(number);
  newLogos_[static_cast<size_t>(number) - 1] = std::move(logoBytes);
}

RestoreShows Logo9xChanges::Restore(int number, const Logo9xFolders& folders) {
  return marks_.Restore(number, Logo9xBackupExists(number, folders));
}

void Logo9xChanges::WindowsDefault() {
  marks_.WindowsDefault();
}

core::Outcome Logo9xChanges::Apply(const Logo9xFolders& folders) const {
  std::string failures;
  for (const LogoFileEntry& entry : LogoFileTable()) {
    const std::string path = Logo9xFilePath(entry.number, folders);
    const std::string backup = Logo9xBackupPath(entry.number, folders);
    std::string problem;
    switch (marks_.ActionAtOk(entry.number, win::FileExists(backup))) {
      case LogoFileAction::kKeep:
        continue;
      case LogoFileAction::kWriteNew:
        problem = WriteLogo(path, newLogos_[static_cast<size_t>(entry.number) - 1]);
        break;
      case LogoFileAction::kCopyBackup:
        problem = CopyBackup(backup, path);
        break;
      case LogoFileAction::kDelete:
        problem = DeleteLogo(path);
        break;
    }
    if (problem.empty()) continue;
    failures += "The logo \"" + std::string(entry.tabCaption) + "\" (" + path +
                ") could not be changed." + core::LineBreaks(1) + problem + core::LineBreaks(2);
  }
  bool shellApplied = true;
  if (marks_.AnyMarked()) {
    deploy::LocateCurrentShell();
    shellApplied = deploy::ActivateShell(deploy::CurrentShellPath);
  }
  if (!failures.empty()) failures += "Each logo named here is still the old one.";
  if (!shellApplied) {
    if (!failures.empty()) failures += core::LineBreaks(2);
    failures += "The shell setting could not be written again.";
  }
  if (failures.empty()) return core::Outcome::Success();
  return core::Outcome::Failure(failures);
}

}  // namespace logos
