#include "icons/IconCatalogue.h"

namespace icons {

std::string DesktopObjectKey(const DesktopObjectBase& base, const char* classId) {
  return std::string(base.prefix) + classId + kDefaultIconSubkey;
}

std::string BackupValueName(int entry) {
  const IconDefinition& definition = kIconDefinitions[entry];
  return std::string(definition.classId) + definition.valueName;
}

}  // namespace icons
