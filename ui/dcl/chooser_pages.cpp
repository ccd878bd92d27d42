#include "ui/dcl/chooser_pages.h"

const char* const ChooserDialogNames[kChooserPageCount] = {
    "select_vl", "select_vf", "select_rcs", "select_tv",
    "select_msc", "select_vnt", "select_klr", "select_flt"};

const int ChooserTypeCounts[kChooserFamilyCount] = {32, 22, 40, 17, 12};

namespace {

const char* const kHelpTopics[kChooserPageCount] = {
    "topic_negyszog", "topic_csovek", "topic_racsok", "topic_tuzvedelem",
    nullptr, "topic_ventillator", "topic_kalorifer", "topic_szuro"};

// The order in which the pages of the four large families show their types:
// related fittings side by side rather than in catalogue order.
const int kVlOrder[32] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 26, 11, 12, 13, 14, 17,
                          18, 19, 15, 16, 21, 22, 23, 20, 24, 25, 27, 28, 29, 31, 32, 30};
const int kVfOrder[22] = {21, 3, 4, 5, 6, 7, 8, 9, 10, 22, 12, 13, 14, 15, 16, 2, 20, 18, 17, 1, 19, 11};
const int kRcsOrder[40] = {7,  19, 20, 39, 18, 17, 29, 28, 1,  8,  5,  37, 12, 11,
                           10, 23, 34, 22, 35, 36, 33, 9,  15, 38, 3,  6,  2,  40,
                           13, 16, 4,  14, 24, 30, 31, 25, 32, 21, 26, 27};
const int kTvOrder[17] = {13, 5, 7, 6, 8, 9, 10, 11, 3, 4, 12, 1, 2, 14, 15, 16, 17};

struct PageOrder {
    const int* subtypes;  // null: position n shows subtype first + n - 1
    int count;
    int first;
};

const PageOrder kPageOrders[kChooserPageCount] = {
    {kVlOrder, 32, 0}, {kVfOrder, 22, 0}, {kRcsOrder, 40, 0}, {kTvOrder, 17, 0},
    {nullptr, 12, 1},  {nullptr, 2, 1},   {nullptr, 6, 3},    {nullptr, 4, 9}};

const PageOrder* OrderOfPage(int page) {
    if (page < 1 || page > kChooserPageCount)
        return nullptr;
    return &kPageOrders[page - 1];
}

}  // namespace

int ChooserPageTypeCount(int page) {
    const PageOrder* order = OrderOfPage(page);
    return order ? order->count : 0;
}

int FamilyOfPage(int pageIndex) {
    if (pageIndex < 0 || pageIndex >= kChooserPageCount)
        return -1;
    return pageIndex < kChooserFamilyCount ? pageIndex : kChooserFamilyCount - 1;
}

const char* ChooserHelpTopic(int page) {
    if (page < 1 || page > kChooserPageCount)
        return nullptr;
    return kHelpTopics[page - 1];
}

int ChooserPositionToType(int page, int position) {
    const PageOrder* order = OrderOfPage(page);
    if (!order || position < 1 || position > order->count)
        return position;
    if (order->subtypes)
        return order->subtypes[position - 1];
    return order->first + position - 1;
}
