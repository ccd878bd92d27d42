#include "core/bom_builder.h"

#include "core/text_buffer.h"

void BomBuilder::Add(uint16_t quantity, const std::string& description, char* flowText) {
    Row row;
    row.quantity = quantity;
    row.description = description;
    row.flowText.reset(flowText);
    rows.push_back(std::move(row));
}

void BomBuilder::AddWithConnectorFlow(LObject& e, const std::string& description,
                                   const char* flowName, const LConnector* c) {
    char* flow = new char[kFlowTextSize];
    e.FormatConnectorFlowText(flow, kFlowTextSize, flowName, c);
    Add(1, description, flow);
}

void BomBuilder::AddCouplings(int quantity, const std::string& description) {
    if (quantity <= 0)
        return;
    Row row;
    row.quantity = static_cast<uint16_t>(quantity > UINT16_MAX ? UINT16_MAX : quantity);
    row.description = description;
    couplings.push_back(std::move(row));
}

int16_t BomBuilder::HandOut(LBomRow** out, uint16_t* count, uint16_t* further,
                         uint16_t* extraRows) {
    if (count)
        *count = static_cast<uint16_t>(rows.size());
    if (further)
        *further = 0;
    if (extraRows)
        *extraRows = static_cast<uint16_t>(couplings.size());
    if (!out)
        return 0;
    size_t total = rows.size() + couplings.size();
    LBomRow* given = new LBomRow[total];
    size_t i = 0;
    for (std::vector<Row>* list : {&rows, &couplings}) {
        for (Row& row : *list) {
            given[i].quantity = row.quantity;
            given[i].description = NewTextBuffer(row.description, kDescriptionSize);
            given[i].flowText = row.flowText.release();
            ++i;
        }
        list->clear();
    }
    *out = given;
    return 0;
}
