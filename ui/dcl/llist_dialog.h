// The bill-of-materials dialog "darabj": the rows of the bill one line
// each, and a "save" button that writes them to a text file.
#pragma once

#include <cstdint>
#include <string>

#include "core/llist.h"
#include "ui/dcl/ldialog.h"

// One row as the list shows it, and as the text file holds it (without its
// line feed).  Rows numbered below 1 are shown without a number; with the
// airflow variant a row's airflow text follows its description.
std::string MaterialListLine(const LListEntry& row, int32_t base, int16_t variant);
std::string MaterialFileLine(const LListEntry& row, int32_t base, int16_t variant);
// Writes every row before the end entry, one a line, as drawings are saved:
// beside the file and renamed over it only when whole, so that a write
// that fails leaves the old file byte for byte, and a read-only file is
// refused.  -1 when the file cannot be written; `why` then says why.
int16_t WriteMaterialFile(const char* path, const LListEntry* rows, int32_t base, int16_t variant,
                          std::string* why = nullptr);

class LListDlg : public LDialog {
public:
    LListDlg();

    int16_t SetupTiles() override;
    // Asks for a file name and writes the rows into it; a file that cannot
    // be created is reported and the dialog stays open.
    void Save();
    static void SaveCallback(ads_callback_packet* packet);

    int32_t base = 0;     // the system's label-number offset
    int16_t variant = 0;  // 0 "C:llist", 1 "C:lalist"
    const LListEntry* rows = nullptr;  // not owned
};
