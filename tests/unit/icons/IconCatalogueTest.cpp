// The catalogue's columns and the window's tree are two transcriptions of
// the same facts; each is checked against the other.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "icons/IconCatalogue.h"

namespace {

using icons::IconStorage;
using icons::kIconDefinitions;
using icons::kIconTree;

TEST(IconCatalogue, SlotsAreNamedByTheirNumberAndDesktopObjectsByClass) {
  const std::map<int, std::pair<const char*, const char*>> desktopObjects = {
      {45, {"{20D04FE0-3AEA-1069-A2D8-08002B30309D}", ""}},
      {46, {"{450D8FBA-AD25-11D0-98A8-0800361B1103}", ""}},
      {47, {"{2227A280-3AEA-1069-A2DE-08002B30309D}", ""}},
      {48, {"{21EC2020-3AEA-1069-A2DD-08002B30309D}", ""}},
      {49, {"{992CFFA0-F557-101A-88EC-00DD010CCC48}", ""}},
      {50, {"{D6277990-4C6A-11CF-8D87-00AA0060F5BF}", ""}},
      {51, {"{645FF040-5081-101B-9F08-00AA002F954E}", "empty"}},
      {52, {"{FF393560-C2A7-11CF-BFF4-444553540000}", ""}},
      {53, {"{645FF040-5081-101B-9F08-00AA002F954E}", "full"}},
  };
  for (int entry = 0; entry < icons::kIconCount; ++entry) {
    const icons::IconDefinition& definition = kIconDefinitions[entry];
    const auto object = desktopObjects.find(entry);
    if (object == desktopObjects.end()) {
      EXPECT_EQ(definition.storage, IconStorage::ShellIconSlot) << entry;
      EXPECT_EQ(std::string(definition.valueName), std::to_string(entry)) << entry;
      EXPECT_EQ(definition.classId, nullptr) << entry;
    } else {
      EXPECT_EQ(definition.storage, IconStorage::DesktopObject) << entry;
      ASSERT_NE(definition.classId, nullptr) << entry;
      EXPECT_STREQ(definition.classId, object->second.first) << entry;
      EXPECT_STREQ(definition.valueName, object->second.second) << entry;
    }
  }
  EXPECT_EQ(icons::BackupValueName(51), "{645FF040-5081-101B-9F08-00AA002F954E}empty");
  EXPECT_EQ(icons::BackupValueName(53), "{645FF040-5081-101B-9F08-00AA002F954E}full");
  EXPECT_EQ(icons::BackupValueName(45), "{20D04FE0-3AEA-1069-A2D8-08002B30309D}");
}

TEST(IconCatalogue, OnlyTheHiddenSlotsHaveNoLabel) {
  const std::set<int> hidden = {14, 30, 31, 32, 33, 38, 41, 42};
  for (int entry = 0; entry < icons::kIconCount; ++entry) {
    const icons::IconDefinition& definition = kIconDefinitions[entry];
    EXPECT_EQ(definition.label == nullptr, hidden.count(entry) == 1) << entry;
    EXPECT_EQ(definition.group == nullptr, definition.label == nullptr) << entry;
  }
}

TEST(IconCatalogue, TheTreeHasSixGroupsAndEveryLabelledEntryOnceUnderItsGroup) {
  std::vector<std::pair<std::string, int>> groups;
  std::map<int, int> editableNodes;  // entry -> how many nodes edit it
  std::vector<const char*> path;     // labels of the current node's ancestors
  for (const icons::IconTreeNode& node : kIconTree) {
    ASSERT_GE(node.depth, 0);
    ASSERT_LE(node.depth, int(path.size())) << node.label << " skips a level";
    path.resize(node.depth);
    if (node.depth == 0) {
      groups.emplace_back(node.label, node.entry);
    } else {
      const icons::IconDefinition& definition = kIconDefinitions.at(node.entry);
      ASSERT_NE(definition.label, nullptr) << node.label;
      EXPECT_STREQ(node.label, definition.label) << node.entry;
      EXPECT_STREQ(path.back(), definition.group) << node.label;
      ++editableNodes[node.entry];
    }
    path.push_back(node.label);
  }
  EXPECT_EQ(groups, (std::vector<std::pair<std::string, int>>{{"Start Menu", 39},
                                                              {"Desktop", 34},
                                                              {"Drives", 8},
                                                              {"Folders", 3},
                                                              {"Files", 1},
                                                              {"Others", 29}}));
  for (int entry = 0; entry < icons::kIconCount; ++entry) {
    const bool labelled = kIconDefinitions[entry].label != nullptr;
    EXPECT_EQ(editableNodes[entry], labelled ? 1 : 0) << entry;
  }
}

}  // namespace
