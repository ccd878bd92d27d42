// A tile of an open dialog: what its definition says (kind, attributes,
// children) and what the user and the application made of it since.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ads_dcl.h"
#include "dcl/ast.h"

namespace host::dcl {

enum class TileKind {
    None,
    Dialog,
    Button,
    EditBox,
    ListBox,
    PopupList,
    Toggle,
    RadioButton,
    RadioRow,
    RadioColumn,
    BoxedRadioRow,
    BoxedRadioColumn,
    Row,
    Column,
    BoxedRow,
    BoxedColumn,
    Concatenation,
    Paragraph,
    Image,
    ImageButton,
    Text,
    Slider,
    Spacer,
};

// The kind a base tile name stands for; None for any other name.
TileKind kindOfName(const std::string& name);
const char* kindName(TileKind kind);
bool holdsTiles(TileKind kind);
bool isRadioCluster(TileKind kind);
bool isList(TileKind kind);

// One drawing operation of an image tile.
struct ImageOp {
    enum class Type { Fill, Vector, Slide } type = Type::Fill;
    int x1 = 0, y1 = 0;
    int x2 = 0, y2 = 0;  // Vector: the end point; Fill and Slide: width and height
    int color = 0;
    std::string slide;   // Slide: the slide reference as given
};

struct Tile {
    // From the definition.
    TileKind kind = TileKind::None;
    std::map<std::string, Value> attributes;
    std::vector<std::unique_ptr<Tile>> children;
    Tile* parent = nullptr;
    std::string key;
    std::string file;
    int line = 0;

    // Run-time state.
    std::string value;
    bool enabled = true;
    bool highlighted = false;    // an image flipped by mode 4
    bool textSelected = false;   // edit text selected by mode 3
    std::vector<std::string> items;  // list box and popup list rows
    std::vector<ImageOp> image;
    std::string slide;           // the last slide drawn into the tile
    CLIENTFUNC action = nullptr;
    void* clientData = nullptr;

    const Value* attribute(const std::string& name) const;
    // The text of an attribute, or empty.
    std::string attributeText(const std::string& name) const;
    std::string label() const { return attributeText("label"); }
    // Enabled itself and inside enabled containers.
    bool usable() const;
    // The radio cluster a radio button belongs to, or null.
    Tile* cluster() const;
};

} // namespace host::dcl
