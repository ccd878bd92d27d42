// The registry of element types: rows built from the registered entries,
// alias codes, the makers behind CreateElement, the catalogue texts and the
// bounded look-ups; the piece rule and the joint pieces read from flags.
#include <climits>

#include "fixtures.h"
#include "core/catalogue_strings.h"
#include "core/drawing_context.h"
#include "core/element_xdata.h"
#include "core/lcustom.h"
#include "core/standard_lengths.h"
#include "core/text_lists.h"
#include "core/type_tables.h"

namespace {

constexpr int16_t kFamily = 41, kLastAlias = 43;

class EntryDuct : public TestDuct {
public:
    explicit EntryDuct(int16_t subtype) : TestDuct(kFamily, static_cast<uint16_t>(subtype)) {}
};

const double kSizes[] = {100, 200, 300};
const char* const kCodes[] = {"A", "B"};
const char* const kSizeTexts[] = {"small", "middle", "large"};

const LTypeEntry kTypes[] = {
    {.code = 1, .name = "T-1", .page = "9.1", .block = "t1", .dialog = "prop_t_a",
     .params = ParamRow(Numbers(75, kSizes), Texts(76, kCodes), Plain(77)),
     .switchParam = 3, .flows = Flows(0, -1), .defaults = {100, 1, 500},
     .make = MakeElementOfSubtype<EntryDuct>, .flags = kTypeStandardPiece | kTypeJointDuct,
     .pieceShape = kShapeRect, .lengthParam = 2},
    {.code = 2, .name = "T-2", .block = "t2", .blockPrefix = "t1-", .dialog = "prop_t_b",
     .params = ParamRow(Labelled(78, kSizes, kSizeTexts), FirstNumbers(79, 2, kSizes)),
     .flags = kTypeJointDuct | kTypeLayeredJoint},
};
const char* const kDialogs[] = {"prop_t_a", "prop_t_b", "prop_t_unused"};
const LSubtypeAlias kAliases[] = {{7, 2}};

void RegisterTestFamily() {
    RegisterFamily({.code = kFamily, .lastAliasCode = kLastAlias, .types = kTypes, .typeCount = 2,
                    .dialogs = kDialogs, .dialogCount = 3, .aliases = kAliases, .aliasCount = 1,
                    .typeFlags = kTypeFlowOfFirstConnector});
}

class TypeRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestFamily();
        ASSERT_EQ(InitTypeTables(), 0);
    }
};

}  // namespace

TEST_F(TypeRegistry, RowsAreBuiltFromTheEntries) {
    const LTypeDescriptor* row = TypeRow(kFamily, 1);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->paramCount, 3);
    EXPECT_EQ(DescKind(row, 0), kParamList);
    EXPECT_EQ(DescValueCount(row, 0), 3);
    EXPECT_EQ(DescValues(row, 0), kSizes);
    EXPECT_STREQ(DescListText(row, 1, 1), "B");
    EXPECT_EQ(row->switchParam, 3);
    EXPECT_EQ(row->flowCount, 2);
    EXPECT_EQ(DescFlowConnector(row, 0), 0);
    EXPECT_EQ(DescFlowConnector(row, 1), -1);
    EXPECT_STREQ(row->displayCode, "T-1");
    EXPECT_STREQ(row->blockPrefix, "t1-");  // the block name and a hyphen
    // The family's flags join each type's own.
    EXPECT_TRUE(HasTypeFlag(row, kTypeStandardPiece | kTypeFlowOfFirstConnector));
    EXPECT_FALSE(HasTypeFlag(row, kTypeLayeredJoint));
    EXPECT_EQ(row->lengthParam, 2);

    const LTypeDescriptor* second = TypeRow(kFamily, 2);
    EXPECT_STREQ(DescListText(second, 0, 2), "large");
    EXPECT_EQ(DescValueCount(second, 1), 2);
    EXPECT_STREQ(second->blockPrefix, "t1-");  // borrowed from another type
    EXPECT_EQ(DescFlowConnector(second, 0), 0);  // one entry on connector 0 unless told
    EXPECT_EQ(second->pieceShape, kShapeUnset);
}

TEST_F(TypeRegistry, AliasCodesAndBoundedLookUps) {
    EXPECT_EQ(TypeRow(kLastAlias, 1), TypeRow(kFamily, 1));
    EXPECT_EQ(TypeRow(kFamily, 7), TypeRow(kFamily, 2));
    EXPECT_EQ(FamilyOfCode(kFamily + 1), kFamily);
    EXPECT_EQ(TypeRowCount(kLastAlias), 2);
    for (int subtype : {0, 3, -1, INT_MIN, INT_MAX})
        EXPECT_EQ(TypeRow(kFamily, subtype), nullptr) << subtype;
    for (int family : {0, kLastAlias + 1, -1, INT_MIN})
        EXPECT_EQ(TypeRow(family, 1), nullptr) << family;
    EXPECT_EQ(FamilyOfCode(kLastAlias + 1), 0);
    EXPECT_EQ(TypeDefaults(kFamily, 1)[2], 500);
    EXPECT_EQ(TypeDefaults(kFamily, 3), nullptr);
    // The custom element is core's own: one row whatever the subtype.
    EXPECT_EQ(TypeRow(kCustomFamilyCode, 7), TypeRow(kCustomFamilyCode, 1));
    EXPECT_EQ(DescFlowConnector(TypeRow(kCustomFamilyCode, 1), 0), -1);
    EXPECT_EQ(DescKind(TypeRow(kCustomFamilyCode, 1), 0), kParamText);
}

TEST_F(TypeRegistry, CatalogueTextsAndDialogs) {
    EXPECT_STREQ(CataloguePageOf(kFamily, 1), "9.1");
    EXPECT_STREQ(TypeNameOf(kFamily + 2, 2), "T-2");
    EXPECT_STREQ(BlockNameOf(kFamily, 2), "t2");
    EXPECT_STREQ(BlockPrefixOf(kFamily, 7), "t1-");
    EXPECT_STREQ(TypeNameOf(kFamily, 0), "");
    EXPECT_STREQ(BlockPrefixOf(kFamily, 3), "");
    EXPECT_STREQ(CataloguePageOf(0, 1), "");
    EXPECT_EQ(FamilyDialogCount(kFamily), 3);
    EXPECT_STREQ(FamilyDialog(kLastAlias, 2), "prop_t_unused");
    EXPECT_STREQ(FamilyDialog(kFamily, 3), "");
    EXPECT_STREQ(FamilyDialog(kFamily, -1), "");
    EXPECT_EQ(FamilyDialogCount(0), 0);
}

TEST_F(TypeRegistry, ElementsComeFromTheMakersAndRecordTheirFamily) {
    ElementPtr made = Owned(CreateElement(kLastAlias, 1));
    ASSERT_TRUE(made);
    EXPECT_EQ(made->GetFamily(), kFamily);  // an alias code records its family
    EXPECT_EQ(made->GetSubtype(), 1);
    EXPECT_EQ(CreateElement(kFamily, 2), nullptr);  // no class yet
    EXPECT_EQ(CreateElement(kFamily, 0), nullptr);
    EXPECT_EQ(CreateElement(kFamily, 65535), nullptr);
    EXPECT_EQ(CreateElement(0, 1), nullptr);
    ElementPtr custom = Owned(CreateElement(kCustomFamilyCode, 999));
    ASSERT_TRUE(custom);
    EXPECT_EQ(custom->GetFamily(), kCustomFamilyCode);
    EXPECT_EQ(custom->GetSubtype(), 1);
    EXPECT_EQ(custom->GetTypeDesc(), TypeRow(kCustomFamilyCode, 1));
}

TEST_F(TypeRegistry, RowsKeepTheirAddressesWhenCaptionsAreRefilled) {
    const LTypeDescriptor* before = TypeRow(kFamily, 1);
    ASSERT_EQ(InitTypeTables(), 0);
    EXPECT_EQ(TypeRow(kFamily, 1), before);
}

TEST_F(TypeRegistry, StandardPieceAndItsLength) {
    int16_t family = 0;
    const LTypeEntry* piece = StandardPieceOf(kShapeRect, &family);
    ASSERT_NE(piece, nullptr);
    EXPECT_EQ(family, kFamily);
    EXPECT_EQ(piece->code, 1);
    EXPECT_EQ(StandardPieceOf(kShapeUnset, &family), nullptr);

    LDrawingContext drawing;
    LDrawingContext* saved = CurrentDrawing();
    SetCurrentDrawing(&drawing);
    const struct { double stored, rect; } cases[] = {
        {1200, 1200}, {0, 1500}, {-5, 1500}, {NAN, 1500}, {INFINITY, 1500}};
    for (const auto& c : cases) {
        drawing.defaults.rectPieceLength = c.stored;
        EXPECT_EQ(StandardPieceLength(kShapeRect), c.rect) << c.stored;
    }
    drawing.defaults.roundPieceLength = 5000;
    EXPECT_EQ(StandardPieceLength(kShapeRound), 5000);
    EXPECT_EQ(StandardPieceLength(kShapeUnset), 0);
    EXPECT_EQ(PieceLengthOfType(TypeRow(kFamily, 2)), 0);
    SetCurrentDrawing(nullptr);
    EXPECT_EQ(StandardPieceLength(kShapeRound), 6000);
    SetCurrentDrawing(saved);
}

TEST_F(TypeRegistry, JointPiecesFollowTheDuctFlags) {
    const LTypeDescriptor* duct = TypeRow(kFamily, 1);
    const LTypeDescriptor* layered = TypeRow(kFamily, 2);
    const LTypeDescriptor* fitting = TypeRow(kCustomFamilyCode, 1);
    EXPECT_EQ(JointPieceCode(layered, layered), 3);
    EXPECT_EQ(JointPieceCode(duct, layered), 1);
    EXPECT_EQ(JointPieceCode(fitting, fitting), 2);
    EXPECT_EQ(JointPieceCode(duct, fitting), 0);
    EXPECT_EQ(JointPieceCode(nullptr, nullptr), 2);  // an unknown neighbour is no duct
}

TEST(TextLists, BoundedLookUpsAndSizeTexts) {
    EXPECT_STREQ(ListText(kCodes, 2), "B");
    for (int pos : {0, 3, -1, INT_MIN, INT_MAX})
        EXPECT_STREQ(ListText(kCodes, pos), "") << pos;
    std::string name = "CSD";
    AppendItem(&name, "AZN");
    AppendItem(&name, "");
    AppendItem(&name, nullptr);
    EXPECT_EQ(name, "CSD+AZN");
    EXPECT_EQ(RectSizeText(300, 150.5), "300 x 150.5");
    EXPECT_EQ(RoundSizeText(315), "\\U+2205315");
}
