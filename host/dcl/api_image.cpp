// Pictures of image tiles: ads_start_image, drawing calls, ads_end_image.
// Nothing is painted; each call is recorded on the tile, and a slide is
// kept by its reference.

#include <algorithm>
#include <cmath>

#include "ads_dcl.h"
#include "dcl/api_util.h"
#include "dcl/attributes.h"
#include "dcl/inspect.h"
#include "io/io.h"

using namespace host;
using namespace host::dcl;

namespace {

// A character cell of the dialog font, in image pixels.
constexpr double kCellWidth = 8.0;
constexpr double kCellHeight = 16.0;

struct PendingImage {
    Dialog* dialog = nullptr;
    Tile* tile = nullptr;
};

PendingImage& slot() {
    static PendingImage image;
    return image;
}

// Size in pixels from width, height and aspect_ratio (character units).
void tileSize(const Tile& tile, int& width, int& height) {
    double w = numberOf(tile.attribute("width"), 0) * kCellWidth;
    double h = numberOf(tile.attribute("height"), 0) * kCellHeight;
    double aspect = numberOf(tile.attribute("aspect_ratio"), 0);
    if (w <= 0 && h > 0 && aspect > 0) w = h * aspect;
    if (h <= 0 && w > 0 && aspect > 0) h = w / aspect;
    if (w <= 0) w = 10 * kCellWidth;
    if (h <= 0) h = 5 * kCellHeight;
    width = static_cast<int>(std::lround(std::min(w, 32767.0)));
    height = static_cast<int>(std::lround(std::min(h, 32767.0)));
}

// The tile being drawn, or null after a complaint.
Tile* drawingTile(const char* function) {
    PendingImage& image = slot();
    if (!image.dialog || !liveDialog(image.dialog)) {
        complain(function, "no ads_start_image before it");
        image = PendingImage{};
        return nullptr;
    }
    return image.tile;
}

} // namespace

int ads_dimensions_tile(ads_hdlg hdlg, const ACHAR* key, short* cx, short* cy) {
    Dialog* dialog = dialogFor(hdlg, "ads_dimensions_tile");
    Tile* tile = dialog ? tileFor(*dialog, key, "ads_dimensions_tile") : nullptr;
    if (!tile) return RTERROR;
    int width = 0, height = 0;
    tileSize(*tile, width, height);
    if (cx) *cx = static_cast<short>(width - 1);
    if (cy) *cy = static_cast<short>(height - 1);
    return RTNORM;
}

int ads_start_image(ads_hdlg hdlg, const ACHAR* key) {
    slot() = PendingImage{};
    Dialog* dialog = dialogFor(hdlg, "ads_start_image");
    Tile* tile = dialog ? tileFor(*dialog, key, "ads_start_image") : nullptr;
    if (!tile) return RTERROR;
    if (tile->kind != TileKind::Image && tile->kind != TileKind::ImageButton) {
        complain("ads_start_image", "\"" + tile->key + "\" (" + kindName(tile->kind) + ") is not an image");
        return RTERROR;
    }
    slot() = PendingImage{dialog, tile};
    return RTNORM;
}

int ads_fill_image(int x1, int y1, int width, int height, int color) {
    Tile* tile = drawingTile("ads_fill_image");
    if (!tile) return RTERROR;
    int tileWidth = 0, tileHeight = 0;
    tileSize(*tile, tileWidth, tileHeight);
    if (x1 <= 0 && y1 <= 0 && x1 + width >= tileWidth - 1 && y1 + height >= tileHeight - 1) {
        tile->image.clear();  // covers everything drawn before
        tile->slide.clear();
    }
    tile->image.push_back({ImageOp::Type::Fill, x1, y1, width, height, color, {}});
    return RTNORM;
}

int ads_vector_image(int x1, int y1, int x2, int y2, int color) {
    Tile* tile = drawingTile("ads_vector_image");
    if (!tile) return RTERROR;
    tile->image.push_back({ImageOp::Type::Vector, x1, y1, x2, y2, color, {}});
    return RTNORM;
}

int ads_slide_image(int x1, int y1, int width, int height, const ACHAR* slidename) {
    Tile* tile = drawingTile("ads_slide_image");
    if (!tile || !slidename) return RTERROR;
    std::string name = io::toUtf8(slidename);
    tile->image.push_back({ImageOp::Type::Slide, x1, y1, width, height, 0, name});
    tile->slide = name;
    return RTNORM;
}

int ads_end_image(void) {
    Tile* tile = drawingTile("ads_end_image");
    if (!tile) return RTERROR;
    recordImage(*slot().dialog, *tile);
    slot() = PendingImage{};
    return RTNORM;
}
