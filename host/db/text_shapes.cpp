// Texts as the box their characters take, each character as wide as the
// text is high (times the width factor), since the fonts' widths are not
// known: a TEXT, ATTRIB or ATTDEF at its alignment (aligned and fit
// between their two points, backward and upside down mirrored); an MTEXT
// as the box of its lines at its attachment point, read from its own
// groups, not from the embedded object a newer file puts after them.
#include <algorithm>
#include <cmath>
#include <string>

#include "db/entity_values.h"
#include "db/shape_parts.h"

namespace host::db {

namespace {

using namespace values;

// TEXT, ATTRIB and ATTDEF 71: the text generation flags.
constexpr int kTextBackward = 2;
constexpr int kTextUpsideDown = 4;
// TEXT, ATTRIB and ATTDEF 72: the horizontal alignment.
constexpr int kAlignCenter = 1;
constexpr int kAlignRight = 2;
constexpr int kAligned = 3;  // between 10 and 11, the height kept in proportion
constexpr int kAlignMiddle = 4;
constexpr int kFit = 5;  // between 10 and 11 at its own height
// Vertical alignment (73 of TEXT, 74 of ATTRIB and ATTDEF).
constexpr int kVerticalMiddle = 2;
constexpr int kVerticalTop = 3;

// MTEXT: baselines are 5/3 of the text height apart, times the spacing
// factor (group 44), as the platform spaces lines "at least" that far.
constexpr double kLineSpacing = 5.0 / 3.0;
constexpr int kAttachmentTopLeft = 1;
constexpr int kAttachmentBottomRight = 9;

void addBox(Shapes& out, const Matrix& m, double x0, double y0, double w, double h) {
    out.newArea();
    out.startRun(RunKind::Area);
    for (Point3 p : {Point3{x0, y0, 0}, Point3{x0 + w, y0, 0}, Point3{x0 + w, y0 + h, 0}, Point3{x0, y0 + h, 0}})
        out.add(m, p);
}

double positive(double value, double fallback) { return std::isfinite(value) && value > 0 ? value : fallback; }

// An MTEXT's embedded object repeats some of its groups under other codes
// (its 10 is the direction, 11 the insertion point, 40 the reference width,
// 44 a column's width).  Where the text leaves out its insertion point,
// width or direction, they are read from there, as other programs read them.
constexpr int kEmbeddedDirection = 10;
constexpr int kEmbeddedInsertion = 11;
constexpr int kEmbeddedWidth = 40;

class MTextGroups {
public:
    explicit MTextGroups(const Object& o) : o_(o), xdata_(xdataBegin(o)), own_(embeddedObjectBegin(o)) {}
    // Past the text's own groups.
    size_t end() const { return own_; }
    const Group* get(int code) const { return findGroup(o_, code, 0, own_); }
    double real(int code, double fallback) const { return realOr(get(code), fallback); }
    // The text's own group, else the embedded object's of `embeddedCode`.
    const Group* orEmbedded(int code, int embeddedCode) const {
        if (const Group* g = get(code)) return g;
        return own_ < xdata_ ? findGroup(o_, embeddedCode, own_ + 1, xdata_) : nullptr;
    }

private:
    const Object& o_;
    size_t xdata_, own_;
};

// The characters an MTEXT shows, its formatting codes left out: glyph(space)
// for each, paragraph() at each \P and at the end.
template <class OnGlyph, class OnParagraph>
void mtextGlyphs(std::string_view t, OnGlyph glyph, OnParagraph paragraph) {
    auto skipTo = [&](size_t i, char stop) {
        size_t at = t.find(stop, i);
        return at == std::string_view::npos ? t.size() : at;
    };
    for (size_t i = 0; i < t.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(t[i]);
        if ((c & 0xC0) == 0x80 || c == '{' || c == '}') continue;  // a UTF-8 continuation, a group
        if (c == '^' && i + 1 < t.size()) {                          // a control character
            if (t[++i] == 'J') paragraph();
            else glyph(true);
            continue;
        }
        if (c != '\\' || i + 1 >= t.size()) {
            glyph(c == ' ');
            continue;
        }
        switch (t[++i]) {
        case 'P': paragraph(); break;
        case 'U':  // \U+XXXX, one character
            i = std::min(i + 5, t.size() - 1);
            glyph(false);
            break;
        case 'M':  // \M+NXXXX, one character
            i = std::min(i + 6, t.size() - 1);
            glyph(false);
            break;
        case 'S': {  // stacked: the longer of its two parts, split at the first ^, / or # before its ;
            size_t end = skipTo(i, ';');
            std::string_view stack = t.substr(i + 1, end - i - 1);
            size_t whole = stack.size(), top = std::min(stack.find_first_of("^/#"), whole);
            for (size_t n = std::max(top, whole > top ? whole - top - 1 : 0); n > 0; --n) glyph(false);
            i = end;
            break;
        }
        case 'f': case 'F': case 'H': case 'W': case 'Q': case 'T': case 'A': case 'C': case 'c': case 'p':
            i = skipTo(i, ';');  // a setting up to its semicolon
            break;
        case 'L': case 'l': case 'O': case 'o': case 'K': case 'k': case 'N': case 'X':
            break;  // underline, overline, strike-through on or off; a column break
        case '~': glyph(true); break;  // a space that does not break
        default: glyph(false); break;  // \\ \{ \} and the like
        }
    }
    paragraph();
}

// The lines of an MTEXT as the platform lays them: a paragraph within a
// column width (0: none) breaks at spaces before the word that would run
// past it; a word longer than the column stays whole.
struct MTextLayout {
    double charWidth, column;
    size_t lines = 0, longest = 0;
    size_t line = 0, spaces = 0, word = 0;

    void endWord() {
        if (word == 0) return;
        if (column > 0 && line > 0 && static_cast<double>(line + spaces + word) * charWidth > column) {
            endLine();
            line = word;
        } else {
            line += spaces + word;
        }
        spaces = word = 0;
    }
    void endLine() {
        longest = std::max(longest, line);
        ++lines;
        line = spaces = 0;
    }
    void glyph(bool space) {
        if (!space) {
            ++word;
            return;
        }
        endWord();
        if (line > 0) ++spaces;  // a space that leads a line takes no room; one that ends it neither
    }
    void paragraph() {
        endWord();
        endLine();
    }
};

} // namespace

void addTextBox(const Object& o, const Matrix& m, std::string_view shown, Shapes& out) {
    double h = realOf(o, 40, 1.0);
    double w = h * static_cast<double>(textLength(shown)) * realOf(o, 41, 1.0);
    int flags = intOf(o, 71, 0);
    int hmode = intOf(o, 72, 0), vmode = intOf(o, o.isType("TEXT") ? 73 : 74, 0);
    Matrix mirror = Matrix::scaling(flags & kTextBackward ? -1 : 1, flags & kTextUpsideDown ? -1 : 1, 1);
    if ((hmode == kAligned || hmode == kFit) && first(o, 11)) {
        // On the baseline from 10 to 11; backward it still runs between them.
        Point3 a = pointOf(o, 10), b = pointOf(o, 11);
        double length = std::hypot(b.x - a.x, b.y - a.y);
        double height = hmode == kAligned && w != 0 ? h * length / std::fabs(w) : h;
        Matrix place = placeIn(m, o) * Matrix::translation(a.x, a.y, a.z) *
                       Matrix::rotationZ(std::atan2(b.y - a.y, b.x - a.x)) *
                       Matrix::scaling(1, flags & kTextUpsideDown ? -1 : 1, 1);
        addBox(out, place, 0, 0, length, height);
        return;
    }
    Point3 at = (hmode != 0 || vmode != 0) && first(o, 11) ? pointOf(o, 11) : pointOf(o, 10);
    double x0 = hmode == kAlignCenter || hmode == kAlignMiddle ? -w / 2 : hmode == kAlignRight ? -w : 0;
    double y0 = vmode == kVerticalMiddle ? -h / 2 : vmode == kVerticalTop ? -h : 0;
    if (hmode == kAlignMiddle) y0 = -h / 2;
    Matrix place =
        placeIn(m, o) * Matrix::translation(at.x, at.y, at.z) * Matrix::rotationZ(angleOf(o, 50)) * mirror;
    addBox(out, place, x0, y0, w, h);
}

namespace parts {

void addMText(const Object& o, const Matrix& m, Shapes& out) {
    MTextGroups own(o);
    double h = positive(own.real(40, 1.0), 1.0);
    double spacing = kLineSpacing * h * positive(own.real(44, 1.0), 1.0);
    const Group* width = own.orEmbedded(41, kEmbeddedWidth);
    double column = width ? positive(realValue(*width), 0) : 0;
    // The text: its 3 chunks, then its 1.
    std::string text;
    for (size_t i = 0; i < own.end(); ++i)
        if (o.groups[i].code() == 3 && o.groups[i].kind() == ValueKind::Text) text += o.groups[i].asText();
    if (const Group* last = own.get(1); last && last->kind() == ValueKind::Text) text += last->asText();
    MTextLayout layout{h, column};
    mtextGlyphs(text, [&](bool space) { layout.glyph(space); }, [&] { layout.paragraph(); });
    size_t lines = layout.lines;
    double w = std::max(column, h * static_cast<double>(layout.longest));
    double height = h + static_cast<double>(lines - 1) * spacing;
    const Group* attach = own.get(71);
    int attachment = attach ? static_cast<int>(attach->asInt()) : kAttachmentTopLeft;
    if (attachment < kAttachmentTopLeft || attachment > kAttachmentBottomRight) attachment = kAttachmentTopLeft;
    int row = (attachment - 1) / 3, col = (attachment - 1) % 3;
    double x0 = col == 0 ? 0 : col == 1 ? -w / 2 : -w;
    double y0 = row == 0 ? -height : row == 1 ? -height / 2 : 0;

    // The text's plane: its x along 11 (in the world) where given, else the
    // object x axis turned by 50 about the extrusion.
    Matrix axes = objectToWorld(o);
    Point3 n{axes.m[0][2], axes.m[1][2], axes.m[2][2]};
    double angle = toRadians("MTEXT", 50, own.real(50, 0));
    if (!std::isfinite(angle)) angle = 0;
    Point3 x = axes.applyVector({std::cos(angle), std::sin(angle), 0});
    // Without a direction or rotation of its own, the embedded object's direction.
    const Group* direction = own.get(50) ? own.get(11) : own.orEmbedded(11, kEmbeddedDirection);
    if (direction && direction->kind() == ValueKind::Point) {
        Point3 d = toPoint(direction->asPoint());
        double along = d.x * n.x + d.y * n.y + d.z * n.z;
        d = {d.x - along * n.x, d.y - along * n.y, d.z - along * n.z};
        double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
        if (std::isfinite(length) && length > 0) x = {d.x / length, d.y / length, d.z / length};
    }
    Point3 y{n.y * x.z - n.z * x.y, n.z * x.x - n.x * x.z, n.x * x.y - n.y * x.x};
    const Group* insertion = own.orEmbedded(10, kEmbeddedInsertion);
    Point3 at = insertion && insertion->kind() == ValueKind::Point ? toPoint(insertion->asPoint()) : Point3{};
    Matrix place = Matrix::translation(at.x, at.y, at.z);
    const Point3 columns[3] = {x, y, n};
    for (int c = 0; c < 3; ++c) {
        place.m[0][c] = columns[c].x;
        place.m[1][c] = columns[c].y;
        place.m[2][c] = columns[c].z;
    }
    addBox(out, m * place, x0, y0, w, height);
}

} // namespace parts

} // namespace host::db
