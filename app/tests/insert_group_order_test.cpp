// Element inserts as other writers leave them in a file: their groups in
// another order, their insertion point left out at the origin.  Opened, the
// element is still picked as one, its properties dialog opens, and the bill
// of materials counts it as before.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "ads_entity.h"
#include "api/host_api.h"
#include "app/tests/module_fixture.h"
#include "core/xdata_list.h"
#include "dcl/inspect.h"
#include "dxf/writer.h"
#include "shell/drawing_store.h"
#include "shell/session.h"

namespace {

constexpr int kLcur = 9;
constexpr int kLprop = 15;
constexpr int kLlist = 18;
constexpr int16_t kStraightDuct = 1;

// DXF text with the lines of `codes` of the insert of `handle` taken out and
// put back after its line of code `after`, or left out (`after` empty).
std::string Rewritten(const std::string& text, const std::string& handle, const std::vector<std::string>& codes,
                      const std::string& after) {
    std::istringstream in(text);
    std::vector<std::pair<std::string, std::string>> lines, taken;
    std::string code, value;
    while (std::getline(in, code) && std::getline(in, value)) {
        code.erase(0, code.find_first_not_of(' '));
        lines.emplace_back(code.substr(0, code.find('\r')), value.substr(0, value.find('\r')));
    }
    size_t i = 1;
    while (i < lines.size() && !(lines[i - 1].second == "INSERT" && lines[i].second == handle))
        ++i;
    EXPECT_LT(i, lines.size()) << handle;
    for (size_t end = i; end < lines.size() && lines[end].first != "0" && lines[end].first != "1001";)
        if (std::find(codes.begin(), codes.end(), lines[end].first) != codes.end()) {
            taken.push_back(lines[end]);
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(end));
        } else {
            ++end;
        }
    EXPECT_EQ(taken.size(), codes.size());
    if (!after.empty()) {
        while (i < lines.size() && lines[i].first != after)
            ++i;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, taken.begin(), taken.end());
    }
    std::string out;
    for (const auto& [c, v] : lines)
        out += c + "\n" + v + "\n";
    return out;
}

class InsertGroupOrderTest : public PlacementTest {
protected:
    // Opens DXF text as the current drawing.
    void Open(const std::string& text) {
        std::string path = (installDir / "others.dxf").string(), error;
        std::ofstream(path, std::ios::binary) << text;
        host::shell::Document* doc = host::shell::openDrawing(path, &error);
        ASSERT_NE(doc, nullptr) << error;
        Send(AcRx::kLoadDwgMsg, doc);
        SwitchDocState();
        state = CurrentDocState;
        ASSERT_NE(state, nullptr);
    }

    // The air system's bill of materials, as the list dialog saves it.
    std::string Bill() {
        std::filesystem::path file = installDir / "bill.txt";
        std::filesystem::remove(file);
        Run(kLlist, "list=0\naccept\nsave\n" + file.string() + "\naccept\n");
        std::ifstream in(file);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
};

TEST_F(InsertGroupOrderTest, AnElementIsFoundAndListedWhateverTheOrderOfItsInsertGroups) {
    SetStart(-750, 0, 0, kShapeRect, 400, 300);  // the first duct's middle at the origin
    for (int i = 0; i < 3; ++i)
        Place(kLnvl, kStraightDuct);
    const std::vector<Stored> laid = StoredElements();
    ASSERT_EQ(laid.size(), 3u);
    ASSERT_NEAR(laid[0].x, 0, 1e-6);  // where a missing insertion point puts it
    ASSERT_NEAR(laid[0].y, 0, 1e-6);
    ads_name first;
    ASSERT_EQ(acdbEntNext(nullptr, first), RTNORM);
    const std::string handle = HandleOfEntity(first);
    const std::string bill = Bill();
    ASSERT_NE(bill.find("3     VL-01"), std::string::npos) << bill;
    std::string text;
    host::dxf::writeDxfText(*host::api::databaseOf(state->database), text);

    const struct {
        const char* name;
        std::vector<std::string> codes;
        const char* after;
    } cases[] = {
        {"rotation before the scales", {"50"}, "30"},
        {"x scale after the extrusion", {"41"}, "230"},
        {"no insertion point", {"10", "20", "30"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open(Rewritten(text, handle, c.codes, c.after));
        Transcript();
        Run(kLcur, "0,200\n");
        std::string said = Transcript();
        EXPECT_EQ(said.find("That is not a LurakCAD element."), std::string::npos) << said;
        EXPECT_EQ(HandleOfEntity(state->currentEntity), handle);
        Run(kLprop, "cancel\n");
        ASSERT_NE(state->current, nullptr);
        EXPECT_NEAR(state->current->insertionPoint[0], 0, 1e-6);
        // The dialog before it was the list's.
        auto dialog = host::dcl::lastDialogState();
        ASSERT_TRUE(dialog);
        EXPECT_NE(dialog->listing.find("Element properties: VL-01"), std::string::npos) << dialog->listing;
        EXPECT_EQ(Bill(), bill);
    }
}

}  // namespace
