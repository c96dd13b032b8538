#include "logon/LogonBitmaps.h"

#include <cstddef>

#include "win/Editions.h"
#include "win/VersionRule.h"

namespace logon {

namespace {

struct Row {
  int edition;
  int normal;
  int progress;
};

// Professional first in each table: it is the fallback for an unknown
// edition.
constexpr Row kXPRows[] = {
    {win::kXPProfessionalEdition, 107, 101},
    {win::kXPHomeEdition, 129, 128},
};
constexpr Row k2000Rows[] = {
    {win::k2000ProfessionalEdition, 107, 101},
    {win::k2000ServerEdition, 112, 114},
    {win::k2000TerminalEdition, 112, 114},
    {win::k2000AdvancedServerEdition, 119, 118},
    {win::k2000DatacenterEdition, 122, 121},
};

template <size_t N>
LogonBitmapIds Lookup(const Row (&rows)[N], int edition) {
  const Row* found = &rows[0];
  for (const Row& row : rows)
    if (row.edition == edition) found = &row;
  return {found->normal, found->progress, kBarBitmapId};
}

}  // namespace

LogonBitmapIds LogonBitmapIdsFor(int windowsVersion, int edition) {
  return windowsVersion == win::kWindowsXP ? Lookup(kXPRows, edition) : Lookup(k2000Rows, edition);
}

int LogonBitmapIdForTag(const LogonBitmapIds& ids, int tag) {
  switch (tag) {
    case 1:
      return ids.normal;
    case 2:
      return ids.progress;
    case 3:
      return ids.bar;
    default:
      return 0;
  }
}

}  // namespace logon
