#include "logon/LogonBitmaps.h"

#include <cstddef>

namespace logon {

namespace {

constexpr int kXP = 5;

struct Row {
  int edition;
  int normal;
  int progress;
};

// Professional first in each table: it is the fallback for an unknown
// edition.
constexpr Row kXPRows[] = {
    {2, 107, 101},  // Professional/Corporate
    {1, 129, 128},  // Home
};
constexpr Row k2000Rows[] = {
    {3, 107, 101},  // Professional
    {4, 112, 114},  // Server
    {5, 112, 114},  // Terminal
    {6, 119, 118},  // Advanced Server
    {7, 122, 121},  // Datacenter Server
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
  return windowsVersion == kXP ? Lookup(kXPRows, edition) : Lookup(k2000Rows, edition);
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
