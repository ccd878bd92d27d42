// The element base class.  Every catalogue element (duct fitting, air
// terminal, damper, fan, the custom element) derives from LObject, directly
// or through its family base.  An element object is a working copy of what
// the drawing holds: built by the factory or from its insert's XDATA,
// changed by a command, written back, and deleted with DestroyElement.
//
// Status convention: 0 success, -1 failure.  Arrays and texts that an
// operation returns are new and belong to the caller (delete[]).
#pragma once

#include <cstdint>
#include <string>

#include "acdb_objects.h"
#include "acge.h"
#include "ads_types.h"
#include "core/geometry.h"
#include "core/label_owner.h"
#include "core/lconnector.h"
#include "core/run_split.h"
#include "core/system_record.h"
#include "core/type_descriptor.h"

class LObject;
class WriteRollback;

// One label of an element.  Deleting a node deletes the chain behind it.
struct LLabelNode {
    LLabelNode() = default;
    LLabelNode(const LLabelNode&) = delete;
    LLabelNode& operator=(const LLabelNode&) = delete;
    ~LLabelNode();
    // Back to a fresh label; the chain behind is left alone.
    void Reset();

    int32_t number = -1;  // absolute: the system's label-number offset added
    LLabelNode* next = nullptr;
    ads_point point = {0, 0, 0};  // element space, before the orientation projection
    ads_name insert = {0, 0};
    ads_name leader = {0, 0};
    ads_name third = {0, 0};
};

// One attached child.  The list ends with one empty node.
struct LChildNode {
    LChildNode() = default;
    LChildNode(const LChildNode&) = delete;
    LChildNode& operator=(const LChildNode&) = delete;
    ~LChildNode();

    LObject* child = nullptr;  // not loaded by the XDATA reader
    LChildNode* next = nullptr;
    ads_name entity = {0, 0};
};

// One node of a free-form path (the flexible duct): the vertex offset from
// the previous vertex and the segment angle, both in the element's frame.
struct LPathNode {
    double angle = 0.0;
    ads_point offset = {0, 0, 0};
    LPathNode* next = nullptr;
};

// One bill-of-materials row; the rows and their texts belong to the caller.
struct LBomRow {
    uint16_t quantity = 0;
    char* description = nullptr;
    char* flowText = nullptr;
};
// Frees a row array returned by GetBomLines (count rows, texts included).
void FreeBomRows(LBomRow* rows, int count);

// Element kind bits.
enum ElementKind : int16_t {
    kKindOwnFlow = 3,       // kind & 3: the airflow text is the element's own airflow
    kKindPath = 4,          // exactly 4: the flexible duct
    kKindNotAttached = 28,  // kind & 28 == 0 (and kind != 0): attached child
    kKindViaConnector = 24, // bits 8 and 16: attaches with its connector 0
    kKindUserBlock = 64,    // drawn from a user block (the custom element)
};

constexpr int kMaxMarks = 15;        // AddMark keeps at most this many
constexpr int kMarkRoom = 17;        // the XDATA reader may hold one more
constexpr int kMaxDimensions = 128;
constexpr int kBlockNameSize = 20;   // the MakeBlock name buffer
constexpr int kFlowTextSize = 128;   // least size of a flow text buffer
constexpr int kDescriptionSize = 100;  // least size of a description buffer

class LObject {
public:
    LObject(uint16_t family, uint16_t subtype, int16_t connectorCount, int16_t paramCount,
            LTypeDescriptor* descriptor);
    LObject(const LObject&) = delete;
    LObject& operator=(const LObject&) = delete;
    virtual ~LObject();

    // The 19 operations, in slot order.
    virtual int16_t MakeBlock(char* blockName) = 0;  // blockName: kBlockNameSize chars
    virtual int16_t Mirror();
    virtual int16_t MarkFixedParams(int16_t* flags) = 0;
    virtual LObject* SetOrientation(int16_t side);
    virtual int16_t GetParams(double** values) = 0;
    virtual int16_t SetParams(const double* values) = 0;
    virtual char* GetFlowText();
    virtual double GetDimensionOffset() = 0;
    virtual double GetQuantity();
    virtual LPathNode* GetPath();
    virtual int16_t RemoveLastSegment();
    virtual int16_t GetLastSegmentEnd(ads_point end, double* angle);
    virtual int16_t FitLength(double* params, int16_t* changed, int16_t connectorA,
                              int16_t connectorB, double along, double across);
    virtual int16_t AddPathPoint(const ads_point target, double direction);
    virtual int16_t AddPathSegment(const ads_point offset, double angle);
    virtual int16_t GetBomLines(LBomRow** rows, uint16_t* count, uint16_t* further,
                                uint16_t* extraRows);
    virtual char* GetDescription();
    virtual int16_t UpdateLabel() = 0;
    virtual int16_t AdjustInsertionPoint(ads_point point, const double* oldParams);

    // Identity and plain fields.
    int16_t GetFamily() const { return family; }
    int16_t GetSubtype() const { return subtype; }
    int16_t GetKind() const { return kind; }
    int16_t GetOrientation() const { return orientation; }
    int16_t GetParamCount() const { return paramCount; }
    int16_t GetConnectorCount() const { return connectorCount; }
    LTypeDescriptor* GetTypeDesc() const { return descriptor; }
    // The default values of the element's type (from its entry), or null.
    const double* DefaultValues() const;
    double GetFlow() const { return flow; }
    double GetRotation() const { return rotation; }
    int16_t SetFlow(double value);
    int16_t SetRotation(double value);
    void GetInsertionPoint(ads_point out) const;
    void SetInsertionPoint(const ads_point p);
    void MoveTo(const ads_point p) { SetInsertionPoint(p); }
    void GetScale(AcGeScale3d* out) const { *out = scale; }
    void SetScale(double x, double y, double z);
    void SetScaleFactors(AcGeScale3d s) { scale = s; }
    void SetBlockId(AcDbObjectId id) { blockId = id; }
    AcDbObjectId GetBlockId() const { return blockId; }
    void GetEntity(ads_name out) const { ads_name_set(entity, out); }
    void GetParentEntity(ads_name out) const { ads_name_set(parentEntity, out); }
    // Copies the handle text, cut to outSize characters with its terminator.
    void GetHandle(char* out, size_t outSize) const;
    const char* HandleText() const { return handle; }
    void GetLabelCount(uint16_t* out) const { *out = static_cast<uint16_t>(labelCount); }
    void SetEdited() { edited = 1; }
    int16_t IsEdited() const { return edited; }
    void SetFlipModes(uint16_t x, uint16_t y, uint16_t z);
    // Connectors 0 and 1 as the two ends of a piece set in a run: 0 facing
    // +x, 1 facing -x; round, their diameter the value at sizeParam, or
    // rectangular, the values at sizeParam by heightParam.
    void SetRunEnds(bool round, int16_t sizeParam, int16_t heightParam);
    int16_t SetAttachMasks(uint16_t m0, uint16_t m1, uint16_t m2, uint16_t m3, uint16_t m4,
                           uint16_t m5);
    int16_t SetAttachOffsets(double o0, double o1, double o2, double o3, double o4, double o5);
    int16_t GetAttachMask(int16_t i) const;
    double GetAttachOffset(int16_t i) const;
    void SetAttachPosition(uint16_t p) { attachPosition = static_cast<int16_t>(p); }
    int16_t GetAttachPosition() const { return attachPosition; }
    void GetSystemTag(char* out, size_t outSize) const;
    const LSystemRecord& System() const { return system; }
    // The listed system with the tag: 0 when the drawing lists one, which
    // the element then takes; -1 when it does not.  SetSystemRecord goes by
    // the given record's tag and, when no such system is listed (a record of
    // the caller's own), takes the record as given and says so with -1.
    int16_t SetSystemByTag(const char* tag);
    int16_t SetSystemRecord(const LSystemRecord& record);
    int16_t GetSystemRecord(LSystemRecord* out) const;

    // Parameter texts.
    int16_t SetParamIsText(int16_t i);
    int16_t ParamIsText(int16_t i) const;
    int16_t SetParamText(int16_t i, const char* text);
    std::string GetParamText(int16_t i) const;  // "" when outside or empty

    // How parameter i is chosen for this element: the kind, number of
    // choices and list of its type's row, unless the element's class
    // narrows them (a grille whose heights follow its duct).  The rows are
    // shared by every element of a type; elements never write them.
    virtual int16_t ParamKind(int16_t i) const;
    virtual int16_t ParamChoiceCount(int16_t i) const;
    virtual const double* ParamChoices(int16_t i) const;
    // The texts of those choices: the choices themselves for a text choice,
    // the texts shown for the values of a labelled list; null when none.
    virtual const char* const* ParamChoiceTexts(int16_t i) const;

    // Catalogue check and applying values (see element_factory.h).
    int16_t MatchCatalogue(const double* requested, const int16_t* flags);
    int16_t ApplyParams(const double* values, const int16_t* flags);
    // Values the element gave before (GetParams), read from the drawing or
    // put back by a cancelled dialog, taken as they were: nothing is newly
    // given, so the rules that judge a new value against the one before
    // leave them alone (RestoringParams), and an element comes back from
    // the drawing with its values, not with its rules run against a fresh
    // element's.  SetParams's status.
    int16_t RestoreParams(const double* values);
    // True inside RestoreParams.
    bool RestoringParams() const { return restoringParams; }

    // Connectors.  Free means the neighbour handle is NullHandleText;
    // off-axis means the side axis differs from the orientation axis; the
    // shape -1 accepts any shape.
    LConnector* GetConnector(int16_t i) const;
    // A new element read from connector i's neighbour insert, or null.
    LObject* LoadNeighbour(int16_t i);
    int16_t CountFreeConnectors(int16_t shape);
    int16_t CountConnectedConnectors(int16_t shape);
    int16_t CountAxisConnectors();
    // Cyclic searches after index `after` (-1 starts at 0); the start index
    // is tried last.  -1 when none passes.
    int16_t NextFreeConnector(int16_t after, int16_t shape);
    int16_t NextFreeConnectorAnyAxis(int16_t after, int16_t shape);
    int16_t NextConnectedConnector(int16_t after, int16_t shape);
    // Sizes and places the element so that its connector i meets the
    // stand-alone connector c, or connector j of other; 0 or -1.
    int16_t FitToConnector(LConnector* c, int16_t i);
    int16_t FitToElement(LObject* other, int16_t i, int16_t j);
    // Joins or separates own connector i and connector j of other, both ways.
    int16_t Connect(LObject* other, int16_t i, int16_t j);
    int16_t Disconnect(LObject* other, int16_t i, int16_t j);
    void DrawConnectorSymbols(double extension, int16_t style, int16_t withMarks);
    void DrawConnectorEnds(double extension, int16_t style);

    // The element in the drawing (element_insert.cpp, element_xdata.cpp).
    // Insert flags (core/insert_flags.h): 1 update the insert, 2 build a
    // new block, 4 refresh the labels, 8 refresh marks and dimensions; a new
    // element is always inserted.
    int16_t Insert(uint16_t flags);
    // The element XDATA, from its 1001 group; the caller releases it.  Null
    // when the element cannot give its values.
    resbuf* WriteXData();
    // Fills the element from the groups after the subtype group; 0 or -1.
    // Label entities that name another element are read as none, unless the
    // caller takes them over (a copy reading its source's labels).
    int16_t ReadXData(const resbuf* subtypeGroup, LabelOwner labels = LabelOwner::kThisElement);
    int16_t MoveLabelsToLabelLayer(int16_t keepCopies);
    // Adds the label reactor to every number label insert and leader.
    int16_t AttachReactorToLabels();

    // Labels.
    LLabelNode* GetLabel(int16_t i);
    int32_t GetLabelNumber(int16_t i);
    int16_t SetLabelNumber(int32_t number, int16_t i);
    int16_t ResizeLabelList(int16_t newCount, int16_t keptAtEnd);
    // Erases label i's insert and leader where the drawing still holds them
    // and forgets both; -1 when there is no label i.
    int16_t EraseLabel(int16_t i);
    // The unit label (dampers, fans, heaters, filters) and the fitting label
    // of the label node fittingLabelNode; -1 when there is none or nothing
    // was placed.
    int16_t MakeUnitLabel(const char* text1, const char* text2, const char* text3);
    int16_t MakeFittingLabel(const char* nameText, const char* sizeText);

    // Marks and dimensions.
    void AddMark(const ads_name mark);
    int16_t GetMarkCount() const { return markCount; }
    void ClearMarks() { markCount = 0; }
    // Erases every held mark that the drawing still holds; the list empties.
    void EraseMarks();
    void AddDimension(const ads_name dim);
    int16_t GetDimensionCount() const { return dimensionCount; }

    // Placement.
    int16_t MoveBy(const ads_point v, int16_t forget);
    double* TransformByOrientation(ads_point out, const ads_point in) const;
    int16_t CycleOrientation(int16_t connector);
    int16_t Flip();
    void HalfTurn();

    // Children.
    int16_t AddChild(LObject* child, uint16_t position);
    int16_t AlignTo(LObject* parent);
    // Align to the parent, and step the attach position to the next one
    // whose mask accepts this element's kind.  A parent not set is read from
    // the parent insert for the call and deleted after it; -1 when there is
    // none to read.
    int16_t AlignToParent();
    int16_t NextAttachPosition();
    // Re-aligns every attached child to this element and writes it again as
    // one of the command's writes: a refused one is said, every write of the
    // command so far taken back, and -1 returned.
    int16_t UpdateChildren(WriteRollback& undo);
    int16_t CountChildren() const;
    LChildNode* NextChild(ads_name out, LChildNode* previous) const;
    void SetParent(LObject* p) { parent = p; }
    LObject* GetParent() const { return parent; }

    // Entity makers on the pens of the element's system (pen 2 unless named:
    // C pen 1, B the centre-line pen; Dashed "szaggatott" on pen 2's layer
    // and colour; Zigzag "cikkcakk" on layer "0", colour 0).  Ellipses have
    // their major axis along y.  Each returns the host's status.
    int16_t Line(const ads_point p1, const ads_point p2);
    int16_t LineC(const ads_point p1, const ads_point p2);
    int16_t LineB(const ads_point p1, const ads_point p2);
    int16_t Arc(const ads_point c, double r, double a0, double a1);
    int16_t ArcB(const ads_point c, double r, double a0, double a1);
    int16_t Circle(const ads_point c, double r);
    int16_t Solid(const ads_point p1, const ads_point p2, const ads_point p3, const ads_point p4);
    int16_t Ellipse(const ads_point c, double a, double t0, double t1, double ratio);
    int16_t DashedLine(const ads_point p1, const ads_point p2);
    int16_t DashedArc(const ads_point c, double r, double a0, double a1);
    int16_t DashedCircle(const ads_point c, double r);
    int16_t DashedEllipse(const ads_point c, double a, double t0, double t1, double ratio);
    int16_t DashedFullEllipse(const ads_point c, double a, double ratio);
    int16_t SolidHatch(const ads_point c, double r);
    int16_t ZigzagLine(const ads_point p1, const ads_point p2);
    int16_t ZigzagArc(const ads_point c, double r, double a0, double a1);

    // Airflow texts.
    int16_t FormatFlowText(char* out, size_t outSize, const char* name, double area);
    int16_t FormatConnectorFlowText(char* out, size_t outSize, const char* name,
                                    const LConnector* c);

    // Fields, in the order of the stored element.  The families set them in
    // their constructors; the persistence and command code reads them.
    int16_t family;
    int16_t subtype;
    LSystemRecord system;
    char* handle;  // NullHandleText, or an owned copy once inserted
    int16_t edited = 0;
    int16_t orientation = 0;
    ads_point insertionPoint = {0, 0, 0};
    double rotation = 0.0;
    int16_t parentParams[2] = {-1, -1};  // take a VF-11/12 parent's parameters 1 and 2
    int16_t labelCount = 1;
    int16_t fittingLabelNode = 0;
    int16_t kind = 0;
    int16_t attachPosition = 0;
    uint16_t attachMasks[6] = {0, 0, 0, 0, 0, 0};
    double flow = 0.0;
    double hostSize = -1.0;
    double attachOffsets[6] = {0, 0, 0, 0, 0, 0};
    AcGeScale3d scale;
    AcDbObjectId blockId;
    int16_t flipModes[3] = {0, 0, 0};
    int16_t* paramIsText;
    std::wstring* paramTexts;
    int16_t paramCount;
    int16_t connectorCount;
    LConnector** connectors;
    LObject* parent = nullptr;
    LTypeDescriptor* descriptor;
    ads_name entity = {0, 0};
    LLabelNode firstLabel;
    int16_t markCount = 0;
    int16_t dimensionCount = 0;
    ads_name marks[kMarkRoom] = {};
    ads_name dimensions[kMaxDimensions] = {};
    LChildNode* children;
    ads_name parentEntity = {0, 0};
    char* userText = nullptr;
    int16_t listingFlag = 0;
    // A run too long for its standard pieces, taken as one piece; the
    // loader tells the user (the stored values stay as they are).
    UncutRun uncutRun;
    // False when the loader found the insert in a plane other than the
    // drawing's (its point is then not a plan point); a new insert is
    // always in the drawing's plane.
    bool inDrawingPlane = true;

private:
    bool restoringParams = false;
};

// The one way to delete an element object.
void DestroyElement(LObject* element);

// Sets the element's handle text (a copy; "0" or null frees it back to
// NullHandleText).
void SetElementHandle(LObject* element, const char* handle);
// Replaces the element's user text with a copy (null clears it).
void SetElementUserText(LObject* element, const char* text);
