// DXF text of drawings built in memory, entity by entity: what the drawing
// benchmarks open, so that each spells out exactly the sizes, counts and
// offsets it stands for and needs no file beside it.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

inline std::string number(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

inline std::string group(int code, const std::string& value) { return std::to_string(code) + "\n" + value + "\n"; }
inline std::string group(int code, double value) { return group(code, number(value)); }
inline std::string point(int code, double x, double y) {
    return group(code, x) + group(code + 10, y) + group(code + 20, 0.0);
}

// The head of a drawing up to its BLOCKS section, the blocks' end and the
// start of ENTITIES, and the end of the file.
inline std::string header() {
    return "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1021\n0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n";
}
inline std::string blockStart(const std::string& name) {
    return "0\nBLOCK\n8\n0\n" + group(2, name) + "70\n0\n" + point(10, 0, 0);
}
inline const char* kBlockEnd = "0\nENDBLK\n8\n0\n";
inline std::string entities() { return "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"; }
inline const char* kEnd = "0\nENDSEC\n0\nEOF\n";

// A drawing of the blocks' text and the model space's entities.
inline std::string drawing(const std::string& blocks, const std::string& modelSpace) {
    return header() + blocks + entities() + modelSpace + kEnd;
}
inline std::string block(const std::string& name, const std::string& content) {
    return blockStart(name) + content + kBlockEnd;
}

inline std::string circle(double x, double y, double r) {
    return "0\nCIRCLE\n8\n0\n" + point(10, x, y) + group(40, r);
}
inline std::string line(double x1, double y1, double x2, double y2) {
    return "0\nLINE\n8\n0\n" + point(10, x1, y1) + point(11, x2, y2);
}
inline std::string xline(double dx, double dy) { return "0\nXLINE\n8\n0\n" + point(10, 0, 0) + point(11, dx, dy); }
inline std::string text(double x, double y, double height, const std::string& value) {
    return "0\nTEXT\n8\n0\n" + point(10, x, y) + group(40, height) + group(1, value);
}
// A closed square from (0, 0) to (side, side).
inline std::string square(double side) {
    std::string s = "0\nLWPOLYLINE\n8\n0\n90\n4\n70\n1\n";
    for (int k = 0; k < 4; ++k)
        s += group(10, k == 1 || k == 2 ? side : 0) + group(20, k >= 2 ? side : 0);
    return s;
}
// A cross of two lines `length` long through the origin, along the axes.
inline std::string cross(double length) {
    return line(-length / 2, 0, length / 2, 0) + line(0, -length / 2, 0, length / 2);
}

struct Vertex {
    double x = 0, y = 0, bulge = 0;
    double startWidth = -1, endWidth = -1;  // of the segment it starts; none: the constant width
};
// An open lightweight polyline of a constant width.
inline std::string lwpolyline(const std::vector<Vertex>& vertices, double width) {
    std::string s = "0\nLWPOLYLINE\n8\n0\n" + group(90, std::to_string(vertices.size())) + "70\n0\n" + group(43, width);
    for (const Vertex& v : vertices) {
        s += group(10, v.x) + group(20, v.y);
        if (v.startWidth >= 0) s += group(40, v.startWidth) + group(41, v.endWidth);
        if (v.bulge != 0) s += group(42, v.bulge);
    }
    return s;
}

// A clamped spline of the degree through uniform knots over the control
// points (x, y), rational when weights are given (one a point).
inline std::string spline(int degree, const std::vector<Vertex>& controls, const std::vector<double>& weights = {}) {
    const int count = static_cast<int>(controls.size());
    std::string s = "0\nSPLINE\n8\n0\n" + group(71, std::to_string(degree));
    if (!weights.empty()) s += group(70, "12");
    for (int k = 0; k <= count + degree; ++k)
        s += group(40, std::min(std::max(k - degree, 0), count - degree));
    for (double w : weights) s += group(41, w);
    for (const Vertex& v : controls) s += point(10, v.x, v.y);
    return s;
}

// Where and how an insert places its block; columns and rows make it a
// MINSERT (spacings left out when 0).
struct Placement {
    double x = 0, y = 0;
    double degrees = 0;
    double scale = 1;
    int columns = 1, rows = 1;
    double columnSpacing = 0, rowSpacing = 0;
};
inline std::string insert(const std::string& block, const Placement& p = {}) {
    std::string s = "0\nINSERT\n8\n0\n" + group(2, block) + point(10, p.x, p.y);
    if (p.scale != 1) s += group(41, p.scale) + group(42, p.scale) + group(43, p.scale);
    if (p.degrees != 0) s += group(50, p.degrees);
    if (p.columns > 1) s += group(70, std::to_string(p.columns));
    if (p.rows > 1) s += group(71, std::to_string(p.rows));
    if (p.columnSpacing != 0) s += group(44, p.columnSpacing);
    if (p.rowSpacing != 0) s += group(45, p.rowSpacing);
    return s;
}

inline std::string named(char letter, int index) { return std::string(1, letter) + std::to_string(index); }

// A chain of blocks <letter>0 (holding `innermost`) to <letter><levels>,
// each but the first placing the one below `copies` times: copy j at
// (o, o / 2) with o = j * offset(level), turned j * degreesStep.  With
// distinct offsets no two of the copies^levels paths down end on one spot.
struct Chain {
    char letter = 'L';
    std::string innermost;
    int levels = 1;
    int copies = 10;
    double degreesStep = 0;
    double (*offset)(int level) = [](int level) { return std::pow(10.0, -level); };
};
inline std::string chainBlocks(const Chain& c) {
    std::string text = block(named(c.letter, 0), c.innermost);
    for (int level = 1; level <= c.levels; ++level) {
        std::string content;
        for (int j = 0; j < c.copies; ++j) {
            double o = j * c.offset(level);
            content += insert(named(c.letter, level - 1), {.x = o, .y = o / 2, .degrees = j * c.degreesStep});
        }
        text += block(named(c.letter, level), content);
    }
    return text;
}
inline std::string chainTop(const Chain& c) { return named(c.letter, c.levels); }

} // namespace bench
