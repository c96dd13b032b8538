#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "resedit/ByteSpan.h"
#include "resedit/ResourceUpdateState.h"

namespace resedit {

// Reads the three-level resource tree of a resource section whose raw bytes
// are `section` and whose first byte is at `sectionRva`. Refused with
// kMalformedImage, with no entry kept:
// - a directory, entry, data entry or name string that does not lie wholly
//   inside the section;
// - a directory that overlaps one already read (a loop or a shared subtree);
// - an entry at type or name level that does not lead to a directory, or a
//   language-level entry that does (a tree that is not exactly three deep);
// - an entry counted as named whose Name has bit 31 clear, or one counted
//   as numbered whose Name has bit 31 set;
// - resource data that does not lie wholly inside the section;
// - one id (or one name) standing twice in the same directory.
// Each directory is read once and cannot overlap another, so the work is
// bounded by the section size whatever the counts say.
ResourceStatus ReadResourceTree(ByteSpan section, uint32_t sectionRva, DirectoryHeader& rootHeader,
                                NameTable& names, std::vector<ResourceEntry>& entries);

// The NameTable identifier of a name record, adding the record when it is new.
uint32_t InternName(NameTable& names, ByteSpan record);

// The identifier of a text name already in the table, if any.
std::optional<uint32_t> FindName(const NameTable& names, const std::u16string& text);

// The text of the NameTable record at identifier `id`.
std::u16string NameText(const NameTable& names, uint32_t id);

}  // namespace resedit
