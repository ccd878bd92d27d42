// The bill-of-materials rows of one element as its class builds them: one
// row per piece (a description and the airflow text), then the couplings
// (joint pieces) as extra rows that carry no airflow.  HandOut gives them to
// the caller in the form GetBomLines returns; rows not handed out are freed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/lobject.h"

class BomBuilder {
public:
    BomBuilder() = default;
    BomBuilder(const BomBuilder&) = delete;
    BomBuilder& operator=(const BomBuilder&) = delete;

    // One row; flowText (a new buffer or null) becomes the row's.
    void Add(uint16_t quantity, const std::string& description, char* flowText);
    // One row whose airflow text is that of connector c, named as the
    // element's flow captions name it ("axb", "d").
    void AddWithConnectorFlow(LObject& e, const std::string& description, const char* flowName,
                              const LConnector* c);
    // Couplings: an extra row, left out when there are none.
    void AddCouplings(int quantity, const std::string& description);

    // Hands the rows to the caller (rows null: drops them); the counts are
    // written where asked.  Further rows are never left for a second call.
    int16_t HandOut(LBomRow** rows, uint16_t* count, uint16_t* further, uint16_t* extraRows);

private:
    struct Row {
        uint16_t quantity = 0;
        std::string description;
        std::unique_ptr<char[]> flowText;
    };
    std::vector<Row> rows;
    std::vector<Row> couplings;
};
