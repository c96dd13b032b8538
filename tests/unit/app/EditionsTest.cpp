#include "app/Editions.h"

#include <gtest/gtest.h>

#include <string>

#include "app/AboutLinks.h"

namespace app::test {
namespace {

struct Asked {
  int xp = 0;
  int twoK = 0;
  int size = 0;
};

BannerQuestions Questions(Asked& asked, int xpEdition, int twoKEdition,
                          std::optional<uint64_t> shellSize) {
  BannerQuestions questions;
  questions.xpEdition = [&asked, xpEdition] {
    ++asked.xp;
    return xpEdition;
  };
  questions.twoKEdition = [&asked, twoKEdition] {
    ++asked.twoK;
    return twoKEdition;
  };
  questions.shellFileSize = [&asked, shellSize] {
    ++asked.size;
    return shellSize;
  };
  return questions;
}

TEST(StartBannerBitmapId, EveryRowOfTheTable) {
  struct Case {
    const char* row;
    int version;
    int xpEdition;
    int twoKEdition;
    std::optional<uint64_t> shellSize;
    int expectedId;
    Asked expectedAsked;
  };
  const Case cases[] = {
      {"Millennium", 3, 1, 3, 171280, 161, {0, 0, 0}},
      {"XP Home", 5, 1, 3, 171280, 166, {1, 0, 0}},
      {"XP Professional", 5, 2, 3, 171280, 167, {1, 0, 0}},
      {"2000 Server", 4, 1, 4, 171280, 158, {0, 1, 0}},
      {"2000 Terminal", 4, 1, 5, 171280, 162, {0, 1, 0}},
      {"2000 Advanced Server", 4, 1, 6, 171280, 163, {0, 1, 0}},
      {"2000 Datacenter Server", 4, 1, 7, 171280, 164, {0, 1, 0}},
      {"2000 Professional", 4, 1, 3, 171280, 157, {0, 1, 0}},
      {"95 with the 171280-byte shell", 1, 1, 3, 171280, 161, {0, 0, 1}},
      {"95 with a shell one byte longer", 1, 1, 3, 171281, 157, {0, 0, 1}},
      {"95 with a shell one byte shorter", 1, 1, 3, 171279, 157, {0, 0, 1}},
      {"95 without a readable shell", 1, 1, 3, std::nullopt, 157, {0, 0, 1}},
      {"98", 2, 1, 3, 171280, 157, {0, 0, 0}},
      {"other Windows", -1, 1, 3, 171280, 157, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    Asked asked;
    const int id =
        BannerBitmapIdFor(c.version, Questions(asked, c.xpEdition, c.twoKEdition, c.shellSize));
    EXPECT_EQ(id, c.expectedId) << c.row;
    EXPECT_EQ(asked.xp, c.expectedAsked.xp)
        << c.row << ": XP edition asked " << asked.xp << " times";
    EXPECT_EQ(asked.twoK, c.expectedAsked.twoK)
        << c.row << ": 2000 edition asked " << asked.twoK << " times";
    EXPECT_EQ(asked.size, c.expectedAsked.size)
        << c.row << ": shell size read " << asked.size << " times";
  }
}

TEST(EditionChoice, FirstCheckedRadioButtonGivesTheEdition) {
  EXPECT_EQ(XPEditionFromChoice(true), 1);
  EXPECT_EQ(XPEditionFromChoice(false), 2);
  struct Case {
    bool checked[5];
    int expected;
  };
  const Case cases[] = {
      {{true, false, false, false, false}, 3}, {{false, true, false, false, false}, 4},
      {{false, false, true, false, false}, 5}, {{false, false, false, true, false}, 6},
      {{false, false, false, false, true}, 7}, {{false, false, false, false, false}, 3},
      {{false, true, false, true, false}, 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TwoKEditionFromChoice(c.checked), c.expected)
        << c.checked[0] << c.checked[1] << c.checked[2] << c.checked[3] << c.checked[4];
  }
}

TEST(EditionRange, StoredValuesOutsideTheirRangeAreAskedAgain) {
  for (int value : {-1, 0, 3, 9}) EXPECT_FALSE(win::IsXPEdition(value)) << value;
  for (int value : {1, 2}) EXPECT_TRUE(win::IsXPEdition(value)) << value;
  for (int value : {0, 1, 2, 8, 9}) EXPECT_FALSE(win::Is2000Edition(value)) << value;
  for (int value : {3, 4, 5, 6, 7}) EXPECT_TRUE(win::Is2000Edition(value)) << value;
}

TEST(AboutLinks, MailAndWebAddresses) {
  EXPECT_EQ(MailLinkFor("developers@quorlo.example"),
            "mailto:developers@quorlo.example?subject=Quorlo");
  EXPECT_EQ(WebLinkFor("quorlo.example"), "http://quorlo.example/");
}

}  // namespace
}  // namespace app::test
