// What the round ceiling faces share (BPK, LS, KRE, KRS, PTRD, VBF): a face
// of diameter D below a round spigot on top (LRCs::MakeTopSpigot) of that
// diameter; a description and label of the name and D; and the rim and
// face line their symbols draw.
#pragma once

#include <string>

#include "elements/rcs/lrcs.h"

class LRCsRoundFace : public LRCs {
public:
    char* GetDescription() override;
    int16_t UpdateLabel() override;

    virtual std::string NameText() const = 0;

    double D = 0.0;

protected:
    // The spigot's diameter is the value at diameterParam.
    LRCsRoundFace(int16_t id, int16_t paramCount, int16_t diameterParam);

    // The rim stands layoutLengths[2] beyond the face: its circle (plan),
    // and the face's line just below the connection (side and end).
    void DrawFaceRim();
    void DrawFaceLine();
};
