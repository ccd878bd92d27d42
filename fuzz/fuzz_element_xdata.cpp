// Element XDATA rebuilt through the module, structure-aware: each input
// picks one of the elements a small network was laid with and edits that
// element's own XDATA - changes a group's value, drops a group, repeats
// one or adds one - then the module reads the element back.  A reading
// must give an element or nothing, never a crash or a half-read object.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "acrx_app.h"
#include "ads_entity.h"
#include "app/command_bodies.h"
#include "app/dispatch.h"
#include "app/doc_state.h"
#include "app/place_support.h"
#include "app/tests/test_system.h"
#include "core/element_load.h"
#include "core/lconnector.h"
#include "core/linetypes.h"
#include "core/lobject.h"
#include "io/io.h"
#include "shell/documents.h"
#include "shell/session.h"
#include "windows_min.h"

namespace fs = std::filesystem;

namespace {

constexpr const wchar_t* kApp = L"LurakCad_B1";

// One XDATA group as the fuzzer edits it.
struct XGroup {
    int code = 0;
    double real = 0;
    double point[3] = {0, 0, 0};
    int whole = 0;
    long wide = 0;
    std::wstring text;
};

// The bytes of an input, taken from the front; zeros once used up.
class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    template <class T>
    T value() {
        std::array<uint8_t, sizeof(T)> raw{};
        for (uint8_t& b : raw) b = byte();
        T v;
        std::memcpy(&v, raw.data(), sizeof v);
        return v;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

struct Network {
    std::vector<std::array<long, 2>> elements;
};

// The function codes of the placing commands, and a type chooser that
// takes the first type of every page.
constexpr int kPlaceRectangularDuct = 1;
constexpr int kPlaceGrille = 2;
constexpr int kPlaceFireDamper = 3;
int16_t firstSubtype(int16_t, int16_t* subtype) {
    *subtype = 1;
    return 0;
}

void addSystem(LDocState* state) {
    LSystemRecord r;
    AddLayeredSystem(state, "HV1", "Supply", &r);
    state->currentSystem = r;
}

// A run of the shape from (x, 0) laid by continuous placement.
void layRun(LDocState* state, double x, int16_t shape, double a, double b, const char* end) {
    ReleaseCurrentElement();
    auto* start = new LConnector;
    start->side = 2;
    start->position[0] = x;
    start->shape = shape;
    start->a = a;
    start->b = b;
    start->flow = 1000;
    state->startConnector = start;
    host::io::setScript(end);
    ContinuePlacement();
}

// A fitting label on the grille and a user's block beside the runs, made
// last so that the handles of the runs stay as the seeds name them: a
// framed-label handle edited to name either reaches the check of whose
// label an entity is.
void addLabelAndBlock(const ads_name grille) {
    if (LObject* e = LoadElementFromEntity(grille)) {
        host::io::setScript("3000,2000\n");
        e->MakeFittingLabel("CSD", "400x300");
        e->Insert(1);
        DestroyElement(e);
    }
    ads_point at = {0, 3000, 0}, end = {900, 3000, 0};
    for (resbuf* list : {acutBuildList(RTDXF0, L"BLOCK", 2, L"DOOR", 70, 0, 10, at, 0),
                         acutBuildList(RTDXF0, L"LINE", 8, L"0", 10, at, 11, end, 0),
                         acutBuildList(RTDXF0, L"ENDBLK", 0),
                         acutBuildList(RTDXF0, L"INSERT", 2, L"DOOR", 8, L"0", 10, at, 0)}) {
        acdbEntMake(list);
        acutRelRb(list);
    }
}

// The module started in a new drawing with two runs laid; the element
// entities are the seeds every input starts from.
Network& network() {
    static Network n = [] {
        Network made;
        host::shell::resetSession();
        host::io::captureTranscript();
        fs::path dir = fs::temp_directory_path() / ("lurak_fuzz_xdata_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        // The module's install folder, removed when the run ends.
        static const struct Remover {
            fs::path dir;
            ~Remover() {
                std::error_code ignored;
                fs::remove_all(dir, ignored);
            }
        } remover{dir};
        fs::copy_file(LURAK_SOURCE_DIR "/data/lurak.msg", dir / "lurak.msg", fs::copy_options::overwrite_existing);
        host::win::registerModule(L"LURAK.ARX", (dir / "LURAK.ARX").wstring().c_str());
        host::shell::Document* doc = host::shell::documents().create("Drawing1.dxf");
        host::shell::makeCurrent(doc);
        acrxEntryPoint(AcRx::kInitAppMsg, nullptr);
        acrxEntryPoint(AcRx::kLoadDwgMsg, nullptr);
        SwitchDocState();
        LDocState* state = CurrentDocState;
        acdbRegApp(kApp);
        LoadLinetypes();
        addSystem(state);
        layRun(state, 0, kShapeRect, 400, 300, "3700,0\n^C\n");
        // A fire damper, a straight duct and a grille on it at the run's end.
        SetElementTypeChooser(firstSubtype);
        for (int code : {kPlaceFireDamper, kPlaceRectangularDuct, kPlaceGrille}) {
            host::io::setScript("");
            InvokeFunctionCode(code);
        }
        SetElementTypeChooser(nullptr);
        ads_name grille;
        ads_name_set(state->currentEntity, grille);
        layRun(state, 0, kShapeRound, 250, 0, "-13000,0\n^C\n");
        addLabelAndBlock(grille);
        ads_name e;
        for (int status = acdbEntNext(nullptr, e); status == RTNORM;) {
            if (LObject* read = LoadElementFromEntity(e)) {
                made.elements.push_back({e[0], e[1]});
                DestroyElement(read);
            }
            ads_name next;
            status = acdbEntNext(e, next);
            ads_name_set(next, e);
        }
        std::string said = host::io::takeTranscript();
        if (made.elements.size() < 4) {
            std::fprintf(stderr, "the seed network was not laid:\n%s\n", said.c_str());
            std::abort();  // every input would test nothing
        }
        std::fprintf(stderr, "seed network: %zu elements\n", made.elements.size());
        return made;
    }();
    return n;
}

std::vector<XGroup> xdataOf(const ads_name e) {
    std::vector<XGroup> groups;
    resbuf* apps = acutBuildList(RTSTR, kApp, 0);
    resbuf* list = acdbEntGetX(e, apps);
    acutRelRb(apps);
    bool inXdata = false;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == -3) {
            inXdata = true;
            continue;
        }
        if (!inXdata || rb->restype == 1001) continue;
        XGroup g;
        g.code = rb->restype;
        if (g.code >= 1010 && g.code <= 1013) std::memcpy(g.point, rb->resval.rpoint, sizeof g.point);
        else if (g.code >= 1040 && g.code <= 1042) g.real = rb->resval.rreal;
        else if (g.code == 1070) g.whole = rb->resval.rint;
        else if (g.code == 1071) g.wide = rb->resval.rlong;
        else if (rb->resval.rstring) g.text = rb->resval.rstring;
        groups.push_back(g);
    }
    acutRelRb(list);
    return groups;
}

// Sets the element's XDATA to the groups; the status of acdbEntMod.
int setXdata(const ads_name e, const std::vector<XGroup>& groups) {
    resbuf* head = acutBuildList(-1, e, -3, 1001, kApp, 0);
    resbuf* tail = head;
    while (tail->rbnext) tail = tail->rbnext;
    for (const XGroup& g : groups) {
        resbuf* rb = acutNewRb(g.code);
        if (g.code >= 1010 && g.code <= 1013) std::memcpy(rb->resval.rpoint, g.point, sizeof g.point);
        else if (g.code >= 1040 && g.code <= 1042) rb->resval.rreal = g.real;
        else if (g.code == 1070) rb->resval.rint = static_cast<short>(g.whole);
        else if (g.code == 1071) rb->resval.rlong = static_cast<int32_t>(g.wide);
        else rb->resval.rstring = wcsdup(g.text.c_str());
        tail->rbnext = rb;
        tail = rb;
    }
    int status = acdbEntMod(head);
    acutRelRb(head);
    return status;
}

// A new value for a group from the input: any bits for numbers (NaN,
// infinities and huge values included), a short text for strings.
void changeValue(XGroup& g, Bytes& in) {
    if (g.code >= 1010 && g.code <= 1013) {
        g.point[in.byte() % 3] = in.value<double>();
    } else if (g.code >= 1040 && g.code <= 1042) {
        g.real = in.byte() & 1 ? in.value<double>() : static_cast<double>(in.value<int16_t>());
    } else if (g.code == 1070) {
        g.whole = in.value<int16_t>();
    } else if (g.code == 1071) {
        g.wide = in.value<int32_t>();
    } else {
        size_t length = in.byte() % 24;
        g.text.clear();
        for (size_t i = 0; i < length; ++i) g.text += static_cast<wchar_t>(in.byte());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Network& n = network();
    if (size == 0) return 0;
    Bytes in(data, size);
    const std::array<long, 2>& picked = n.elements[in.byte() % n.elements.size()];
    ads_name e = {picked[0], picked[1]};
    const std::vector<XGroup> original = xdataOf(e);
    std::vector<XGroup> groups = original;
    static const int kCodes[] = {1000, 1002, 1005, 1010, 1040, 1070, 1071};
    for (int edits = 0; !in.empty() && edits < 16; ++edits) {
        uint8_t op = in.byte();
        size_t at = groups.empty() ? 0 : in.byte() % groups.size();
        switch (op % 4) {
        case 0:
            if (!groups.empty()) changeValue(groups[at], in);
            break;
        case 1:
            if (!groups.empty()) groups.erase(groups.begin() + static_cast<ptrdiff_t>(at));
            break;
        case 2:
            if (!groups.empty()) groups.insert(groups.begin() + static_cast<ptrdiff_t>(at), groups[at]);
            break;
        case 3: {
            XGroup g;
            g.code = kCodes[in.byte() % std::size(kCodes)];
            changeValue(g, in);
            groups.insert(groups.begin() + static_cast<ptrdiff_t>(at), g);
            break;
        }
        }
    }
    if (setXdata(e, groups) == RTNORM) {
        if (LObject* read = LoadElementFromEntity(e)) {
            double* values = nullptr;
            if (read->GetParams(&values) == 0) delete[] values;
            read->CountConnectedConnectors(-1);
            DestroyElement(read);
        }
    }
    setXdata(e, original);
    host::io::takeTranscript();
    return 0;
}
