// The pages of the element type chooser: which family each page shows, its
// dialog key and help topic, and which subtype each display position shows.
//
// Pages 1 to 5 show the families 1 to 5 whole; pages 6, 7 and 8 show the
// fans, heaters and filters of family 5.  A page index is page - 1.
#pragma once

constexpr int kChooserPageCount = 8;
constexpr int kChooserFamilyCount = 5;

extern const char* const ChooserDialogNames[kChooserPageCount];
extern const int ChooserTypeCounts[kChooserFamilyCount];

// Number of types a page (1 to 8) shows; 0 for any other page.
int ChooserPageTypeCount(int page);
// Family index (family code - 1) of a page index; -1 outside 0 to 7.
int FamilyOfPage(int pageIndex);
// Help topic of a page (1 to 8), or null when the page has none.
const char* ChooserHelpTopic(int page);
// The subtype shown at a display position (from 1) of a page (1 to 8); a
// page or a position outside the table gives the position itself.
int ChooserPositionToType(int page, int position);
