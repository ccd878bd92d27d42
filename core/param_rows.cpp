#include "core/param_rows.h"

#include "core/messages.h"

void ApplyParamSpecs(LTypeDescriptor* row, const ParamSpec* specs, int count) {
    for (int k = 0; k < count && k < row->paramCount; ++k) {
        const ParamSpec& p = specs[k];
        // A parameter without a list of its own keeps the row's default list.
        SetParamRow(row, k, p.kind, p.count, p.list ? p.list : row->valueLists[k]);
        row->textLists[k] = p.labels;
        row->captions[k] = p.caption ? MessageText(p.caption) : "";
    }
}
