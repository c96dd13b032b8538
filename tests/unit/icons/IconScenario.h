#pragma once
// One first opening, edit and Apply, told as tables: what the registry holds
// before, what the opening must load, what the user changes, and what the
// registry must hold after Apply. The native tests play it on the in-memory
// registry; the Windows tests play the same tables on Wine's real registry.

#include <ostream>
#include <string>
#include <vector>

#include "icons/IconCatalogue.h"
#include "icons/RegistryStore.h"

namespace icons {

// Failure messages show entries as their location text.
void PrintTo(const IconEntry& entry, std::ostream* out);

}  // namespace icons

namespace icons::test {

struct SeedValue {
  enum class Type { Text, ExpandableText, Binary, Number };
  RegistryRoot root;
  std::string path;
  std::string name;
  Type type;
  std::string text;  // Text and ExpandableText only
};

// Every key the scenario reads or writes (and whose values it predicts),
// emptied before the seeds go in: the DefaultIcon keys of all desktop objects
// and mirrors under every base, the Shell Icons key and the backups.
std::vector<std::pair<RegistryRoot, std::string>> ScenarioKeys();

std::vector<SeedValue> ScenarioSeeds();

// What the first opening loads, entry by entry.
IconCatalogue ScenarioLoaded(const std::string& systemDirectory);

// The user's changes after the opening.
void ScenarioEdit(IconCatalogue& catalogue);

struct ExpectedValue {
  RegistryRoot root;
  std::string path;
  std::string name;
  // Text: that text; OtherType: the non-string seed left alone; Missing: never written.
  StoredText value;
};

// Every value of ScenarioKeys after Apply on that version, including the ones
// that must stay missing and the backups, which Apply never touches.
std::vector<ExpectedValue> ScenarioAfterApply(const std::string& systemDirectory,
                                              int windowsVersion);

}  // namespace icons::test
