#include "logos/BootLogo_win.h"

#include <windows.h>

#include <optional>
#include <utility>
#include <vector>

#include "core/FileIo.h"
#include "core/Text.h"
#include "deploy/Activation.h"
#include "deploy/BootIniText.h"
#include "deploy/KernelSwitches.h"
#include "deploy/PatchedCopy.h"
#include "deploy/ShellLocation.h"
#include "logos/KernelBitmaps.h"
#include "resedit/Checksum.h"
#include "resedit/ResourceReader.h"
#include "win/Paths.h"
#include "win/SystemFacts.h"

namespace logos {

namespace {

constexpr char kKernelFile[] = "ntoskrnl.exe";
constexpr int kBitmapType = 2;  // RT_BITMAP
// A kernel is a few megabytes; boot.ini a few hundred bytes.
constexpr uint64_t kMaxKernelSize = 64u << 20;
constexpr uint64_t kMaxLogoFileSize = 4u << 20;
constexpr uint64_t kMaxBootIniSize = 1u << 20;

std::string VitalFileMissing(const char* name) {
  return std::string("Error: The vital system file '") + name + "' was not found!" +
         core::LineBreaks(1) +
         "This means you are not running Quorlo on a Windows 2000/XP Operating System." +
         core::LineBreaks(2) + "Please contact the author to fix the problem.";
}

std::string UnsupportedKernel() {
  return "Quorlo does not support this version of Window's startup logo." + core::LineBreaks(1) +
         "Please contact the author to get a new version of Quorlo compatible" +
         core::LineBreaks(1) + "with your computer.";
}

core::ByteSpan Span(const std::vector<uint8_t>& bytes) {
  return core::ByteSpan(bytes.data(), bytes.size());
}

bool IsXP(const BootLogoMachine& machine) {
  return machine.windowsVersion == win::kWindowsXP;
}

std::string KernelPath(const BootLogoMachine& machine) {
  return machine.systemDirectory + kKernelFile;
}

deploy::BootIniFiles FilesOf(const BootLogoMachine& machine) {
  deploy::BootIniFiles files;
  files.bootIni = machine.bootIni.c_str();
  files.backup = machine.bootIniBackup.c_str();
  files.work = machine.bootIniWork.c_str();
  return files;
}

BootIni ParseBootIni(const BootLogoMachine& machine, const std::string& text) {
  return BootIni::Parse(text, [&machine](const std::string& name) {
    return win::FileExists(machine.systemDirectory + name);
  });
}

// What a failed rewrite of boot.ini did not do, told after what was done.
core::Outcome BootIniFailure(deploy::BootIniRewrite result, const std::string& bootIni) {
  std::string why;
  switch (result) {
    case deploy::BootIniRewrite::kMissing:
      return core::Outcome::Failure(VitalFileMissing("boot.ini"));
    case deploy::BootIniRewrite::kUnreadable:
      why = "it could not be read";
      break;
    case deploy::BootIniRewrite::kNoBackup:
      why = "its backup could not be made";
      break;
    default:
      why = "its new text could not be written";
      break;
  }
  return core::Outcome::Failure(bootIni + " was not changed: " + why + "." + core::LineBreaks(2) +
                                "The computer starts as it did before.");
}

// The switch rewrite of entry n in the boot.ini text on disk, refused when
// that entry is not the system the user chose.
struct EntryEdit {
  const BootLogoMachine* machine;
  int number;
  const std::string* description;  // null: any
  bool entryFound = false;

  std::optional<BootIni> Entry(const std::string& text) {
    BootIni ini = ParseBootIni(*machine, text);
    const BootEntry* entry = ini.Entry(number);
    entryFound = entry != nullptr && (description == nullptr || entry->description == *description);
    if (!entryFound) return std::nullopt;
    return ini;
  }
};

core::Outcome EntryGone(const BootLogoMachine& machine, int number) {
  return core::Outcome::Failure(machine.bootIni + " was not changed: its boot entry " +
                                std::to_string(number) +
                                " is no longer the operating system that was chosen." +
                                core::LineBreaks(2) + "The computer starts as it did before.");
}

bool LineHasKernelSwitch(const std::string& text, size_t lineIndex) {
  const std::vector<deploy::BootIniLine> lines = deploy::SplitBootIniLines(text);
  if (lineIndex >= lines.size()) return false;
  for (const std::string& token : BootLineTokens(lines[lineIndex].content))
    if (deploy::KernelSwitchAt(token)) return true;
  return false;
}

// The kernel copy with its boot palette (XP) and checksum, under its work
// name; removed again when any step fails.
core::Outcome FinishCopy(const BootLogoMachine& machine, const std::string& work,
                         const BootPalette& palette) {
  const auto fail = [&work](std::string message) {
    DeleteFileA(work.c_str());
    return core::Outcome::Failure(std::move(message));
  };
  if (IsXP(machine)) {
    std::vector<uint8_t> copy;
    if (core::ReadWholeFile(work, kMaxKernelSize, copy) != core::ReadResult::kOk)
      return fail("The new kernel " + work + " could not be read back.");
    // Searched in the copy itself: the resource rebuild may have moved
    // what lies after the resources.
    const std::optional<size_t> offset = FindBootPalette(Span(copy));
    if (!offset) return fail(UnsupportedKernel());
    const auto colours = BootPaletteBytes(palette);
    core::ByteWriter writer(copy.data(), copy.size());
    if (!writer.PutBytes(*offset, core::ByteSpan(colours.data(), colours.size())) ||
        core::WriteFileReplacing(work, copy) != core::WriteResult::kOk)
      return fail("The boot palette could not be written into the new kernel " + work + ".");
  }
  const uint32_t checksum = resedit::ComputeImageChecksum(work);
  if (checksum == 0 || !resedit::WriteImageChecksum(work, checksum))
    return fail("The checksum of the new kernel " + work +
                " could not be stored; Windows would refuse the file.");
  return core::Outcome::Success();
}

}  // namespace

BootLogoMachine ThisBootLogoMachine(int edition) {
  BootLogoMachine machine;
  machine.systemDirectory = win::GetSystemDir();
  machine.windowsVersion = win::WindowsVersion();
  machine.edition = edition;
  return machine;
}

std::vector<std::string> MissingSystemFileMessages(const BootLogoMachine& machine) {
  std::vector<std::string> messages;
  if (!win::FileExists(KernelPath(machine))) messages.push_back(VitalFileMissing(kKernelFile));
  if (!win::FileExists(machine.bootIni)) messages.push_back(VitalFileMissing("boot.ini"));
  return messages;
}

BootEntriesRead ReadBootEntries(const BootLogoMachine& machine) {
  BootEntriesRead read;
  std::vector<uint8_t> bytes;
  switch (core::ReadWholeFile(machine.bootIni, kMaxBootIniSize, bytes)) {
    case core::ReadResult::kOk:
      read.ini = ParseBootIni(machine, std::string(bytes.begin(), bytes.end()));
      break;
    case core::ReadResult::kMissing:
      read.outcome = core::Outcome::Failure(VitalFileMissing("boot.ini"));
      break;
    default:
      read.outcome = core::Outcome::Failure(machine.bootIni + " could not be read.");
      break;
  }
  return read;
}

KernelPaletteSearch FindKernelBootPalette(const BootLogoMachine& machine) {
  KernelPaletteSearch search;
  std::vector<uint8_t> kernel;
  const core::ReadResult read = core::ReadWholeFile(KernelPath(machine), kMaxKernelSize, kernel);
  if (read == core::ReadResult::kMissing) {
    search.outcome = core::Outcome::Failure(VitalFileMissing(kKernelFile));
    return search;
  }
  const std::optional<size_t> offset =
      read == core::ReadResult::kOk ? FindBootPalette(Span(kernel)) : std::nullopt;
  const std::optional<BootPalette> palette =
      offset ? ReadBootPalette(Span(kernel), *offset) : std::nullopt;
  if (!palette) {
    search.outcome = core::Outcome::Failure(UnsupportedKernel());
    return search;
  }
  search.offset = *offset;
  search.palette = *palette;
  return search;
}

std::string BootLogoPicturePath() {
  return win::GetTempDir() + "_temp.bmp";
}

BootLogoPicture LoadBootLogo(const BootLogoMachine& machine, const BootEntry& entry,
                             const std::string& picturePath) {
  BootLogoPicture picture;
  const std::string kernelPath = machine.systemDirectory + entry.kernel;
  const auto fail = [&picture](std::string message) {
    picture.outcome = core::Outcome::Failure(std::move(message));
    return picture;
  };
  resedit::ResourceFile kernel;
  const resedit::ResourceStatus status = kernel.Open(kernelPath);
  if (status != resedit::ResourceStatus::kSuccess)
    return fail("The kernel " + kernelPath +
                " cannot be read: " + resedit::DescribeResourceStatus(status) + ".");

  std::optional<std::vector<uint8_t>> file;
  if (IsXP(machine)) {
    const KernelPaletteSearch search = FindKernelBootPalette(machine);
    if (!search.outcome.ok) {
      picture.outcome = search.outcome;
      return picture;
    }
    std::vector<uint8_t> kernelBytes;
    if (core::ReadWholeFile(kernelPath, kMaxKernelSize, kernelBytes) != core::ReadResult::kOk)
      return fail("The kernel " + kernelPath + " could not be read.");
    const std::optional<BootPalette> palette = ReadBootPalette(Span(kernelBytes), search.offset);
    if (!palette) return fail(UnsupportedKernel());
    picture.palette = *palette;
    const auto logo = kernel.Find(kBitmapType, 1);
    if (logo) file = BitmapFileFromResource(Span(*logo), &picture.palette);
    const auto overlay = kernel.Find(kBitmapType, EditionOverlayBitmapId(machine.edition));
    const auto overlayFile =
        overlay ? BitmapFileFromResource(Span(*overlay), &picture.palette) : std::nullopt;
    // Without a usable overlay the logo is shown as the kernel holds it;
    // the copies written by this program carry a 1 x 1 overlay anyway.
    if (file && overlayFile) {
      if (auto drawn =
              DrawOverlay(Span(*file), Span(*overlayFile), kEditionOverlayX, kEditionOverlayY))
        file = std::move(drawn);
    }
  } else {
    const auto logo =
        kernel.Find(kBitmapType, BootLogoBitmapId(machine.windowsVersion, machine.edition));
    if (logo) file = BitmapFileFromResource(Span(*logo));
  }
  if (!file) return fail("The kernel " + kernelPath + " holds no start-up logo Quorlo can show.");
  if (core::WriteFileReplacing(picturePath, *file) != core::WriteResult::kOk)
    return fail("The picture " + picturePath + " could not be written.");
  return picture;
}

core::Outcome WriteBootLogo(const BootLogoMachine& machine, const BootLogoChange& change) {
  std::vector<uint8_t> logo;
  if (core::ReadWholeFile(change.logoFile, kMaxLogoFileSize, logo) != core::ReadResult::kOk)
    return core::Outcome::Failure("File '" + change.logoFile + "' does not exist!" +
                                  core::LineBreaks(1) + "Unable to customise startup logo");
  const std::optional<std::vector<uint8_t>> bitmap = ResourceFromBitmapFile(Span(logo));
  const std::optional<BootPalette> palette = LogoFilePalette(Span(logo));
  if (!bitmap || !palette)
    return core::Outcome::Failure("The new logo " + change.logoFile +
                                  " is not a 16-colour bitmap file." + core::LineBreaks(1) +
                                  "Unable to customise startup logo");

  // The entry is checked before anything is written.
  EntryEdit edit{&machine, change.entryNumber, &change.description};
  const BootEntriesRead read = ReadBootEntries(machine);
  if (!read.outcome.ok) return read.outcome;
  const BootEntry* entry = read.ini.Entry(change.entryNumber);
  if (entry == nullptr || entry->description != change.description)
    return EntryGone(machine, change.entryNumber);

  deploy::PatchedCopy copy;
  copy.source = KernelPath(machine);
  const std::string name = KernelCopyName(change.entryNumber);
  const std::string target = machine.systemDirectory + name;
  // The engine wants the source's extension on its output.
  copy.target = machine.systemDirectory + "~" + name;
  copy.changes.push_back(
      {kBitmapType, BootLogoBitmapId(machine.windowsVersion, machine.edition), *bitmap});
  if (IsXP(machine)) {
    const std::optional<std::vector<uint8_t>> overlay = OverlayResourceFromLogo(Span(logo));
    if (!overlay)
      return core::Outcome::Failure("The new logo " + change.logoFile + " is not 640 x 480." +
                                    core::LineBreaks(1) + "Unable to customise startup logo");
    copy.changes.push_back({kBitmapType, EditionOverlayBitmapId(machine.edition), *overlay});
  }
  if (!win::FileExists(copy.source)) return core::Outcome::Failure(VitalFileMissing(kKernelFile));
  core::Outcome written = deploy::WritePatchedCopy(copy);
  if (!written.ok) return written;
  written = FinishCopy(machine, copy.target, *palette);
  if (!written.ok) return written;
  // Windows refuses to replace a read-only file; some emulations do not,
  // so an earlier copy marked read-only is kept the same way everywhere.
  const DWORD attributes = GetFileAttributesA(target.c_str());
  const bool readOnly =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (readOnly || !core::ReplaceFileWith(copy.target, target)) {
    DeleteFileA(copy.target.c_str());
    return core::Outcome::Failure("The new kernel could not be given its name " + target +
                                  " (a file of that name may be read-only or in use)." +
                                  core::LineBreaks(2) + "The computer starts as it did before.");
  }

  std::optional<std::string> newText;
  const deploy::BootIniRewrite rewritten =
      deploy::RewriteBootIni(FilesOf(machine), [&](const std::string& text) {
        const std::optional<BootIni> ini = edit.Entry(text);
        newText = ini ? ini->TextWithKernel(change.entryNumber, name) : std::nullopt;
        return newText ? *newText : text;
      });
  if (!edit.entryFound) return EntryGone(machine, change.entryNumber);
  if (rewritten != deploy::BootIniRewrite::kRewritten &&
      rewritten != deploy::BootIniRewrite::kUnchanged)
    return BootIniFailure(rewritten, machine.bootIni);

  deploy::LocateCurrentShell();
  if (!deploy::ActivateShell(deploy::CurrentShellPath))
    return core::Outcome::Failure(
        "The new start-up logo is set, but the shell setting could "
        "not be written again.");
  return core::Outcome::Success();
}

core::Outcome RestoreBootLogo(const BootLogoMachine& machine, int entryNumber) {
  EntryEdit edit{&machine, entryNumber, nullptr};
  const deploy::BootIniRewrite rewritten =
      deploy::RewriteBootIni(FilesOf(machine), [&](const std::string& text) {
        const std::optional<BootIni> ini = edit.Entry(text);
        if (!ini || !LineHasKernelSwitch(text, ini->Entry(entryNumber)->lineIndex)) return text;
        return ini->TextWithoutKernel(entryNumber).value_or(text);
      });
  if (rewritten == deploy::BootIniRewrite::kRewritten ||
      rewritten == deploy::BootIniRewrite::kUnchanged) {
    if (!edit.entryFound) return EntryGone(machine, entryNumber);
    return core::Outcome::Success();
  }
  return BootIniFailure(rewritten, machine.bootIni);
}

}  // namespace logos
