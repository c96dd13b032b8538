#include "logon/LogonBitmaps.h"

#include <gtest/gtest.h>

namespace {

TEST(LogonBitmapIds, EveryEditionRow) {
  struct Row {
    const char* system;
    int version;
    int edition;
    int normal;
    int progress;
  };
  const Row rows[] = {
      {"2000 Professional", 4, 3, 107, 101},
      {"2000 Server", 4, 4, 112, 114},
      {"2000 Terminal", 4, 5, 112, 114},
      {"2000 Advanced Server", 4, 6, 119, 118},
      {"2000 Datacenter Server", 4, 7, 122, 121},
      {"XP Home", 5, 1, 129, 128},
      {"XP Professional", 5, 2, 107, 101},
      // Any version but XP reads the 2000 rows.
      {"version -1, Datacenter", -1, 7, 122, 121},
      // An edition outside its system's range: that system's Professional.
      {"XP with a 2000 edition", 5, 6, 107, 101},
      {"2000 with an XP edition", 4, 1, 107, 101},
      {"2000 with no edition", 4, 0, 107, 101},
  };
  for (const Row& row : rows) {
    const logon::LogonBitmapIds ids = logon::LogonBitmapIdsFor(row.version, row.edition);
    EXPECT_EQ(ids.normal, row.normal) << row.system;
    EXPECT_EQ(ids.progress, row.progress) << row.system;
    EXPECT_EQ(ids.bar, 103) << row.system;
    EXPECT_EQ(logon::LogonBitmapIdForTag(ids, 1), row.normal) << row.system;
    EXPECT_EQ(logon::LogonBitmapIdForTag(ids, 2), row.progress) << row.system;
    EXPECT_EQ(logon::LogonBitmapIdForTag(ids, 3), 103) << row.system;
  }
  const logon::LogonBitmapIds ids = logon::LogonBitmapIdsFor(5, 1);
  EXPECT_EQ(logon::LogonBitmapIdForTag(ids, 0), 0);
  EXPECT_EQ(logon::LogonBitmapIdForTag(ids, 4), 0);
}

}  // namespace
