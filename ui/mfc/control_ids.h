// The ids of the controls of the module's dialogs, named once for the
// templates (dialog_templates.cpp) and the dialogs that read and set them.
#pragma once

// Shared: the prompt text of the small dialogs, the air-system tag list.
constexpr int kPromptText = 1035;
constexpr int kSystemTagList = 1066;
constexpr int kExplodeLayerList = 1034;
constexpr int kScaleEdit = 1074;
// The info dialog: its texts, one control each, in order.
constexpr int kInfoFirstText = 1036;
constexpr int kInfoLastText = 1049;

// The air-system dialog.
constexpr int kSysTagEdit = 1000;
constexpr int kSysNameEdit = 1001;
constexpr int kSysSizeEdit = 1002;
constexpr int kSysPenLinetypeList = 1003;
constexpr int kSysPenLayerList = 1004;
constexpr int kSysPenColourButton = 1005;
constexpr int kSysCentreLinetypeList = 1007;
constexpr int kSysTextStyleList = 1008;
constexpr int kSysDimStyleList = 1009;
constexpr int kSysFirstNumberEdit = 1010;
constexpr int kSysCentreColourButton = 1020;
constexpr int kSysCentreLayerList = 1021;
constexpr int kSysDimTextColourButton = 1022;
constexpr int kSysLabelLayerList = 1023;
constexpr int kSysPenTab = 1024;
constexpr int kSysCentreTab = 1025;
constexpr int kSysRectCentreCheck = 1026;
constexpr int kSysRoundCentreCheck = 1027;
constexpr int kSysLabelTab = 1030;
constexpr int kSysDimColourButton = 1031;
constexpr int kSysCircleCheck = 1032;
constexpr int kSysFrameCheck = 1033;
constexpr int kSysTagLabel = 1055;
constexpr int kSysSizeLabel = 1056;
constexpr int kSysNameLabel = 1057;
constexpr int kSysTextStyleLabel = 1058;
constexpr int kSysDimStyleLabel = 1059;
constexpr int kSysLabelLayerLabel = 1060;
constexpr int kSysFirstNumberLabel = 1061;
constexpr int kSysPenLinetypeLabel = 1062;
constexpr int kSysPenLayerLabel = 1063;
constexpr int kSysCentreLinetypeLabel = 1064;
constexpr int kSysCentreLayerLabel = 1065;
constexpr int kSysNumberGroup = 1067;

// The network start dialog.
constexpr int kStartSystemList = 1009;
constexpr int kStartSystemsButton = 1010;
constexpr int kStartFlowEdit = 1014;
constexpr int kStartVelocityEdit = 1015;
constexpr int kStartSizeAEdit = 1016;
constexpr int kStartSizeBEdit = 1017;
constexpr int kStartSizeALabel = 1018;
constexpr int kStartSizeBLabel = 1019;
constexpr int kStartDiameterList = 1022;
constexpr int kStartShapeTab = 1023;
constexpr int kStartSystemLabel = 1050;
constexpr int kStartSectionGroup = 1051;
constexpr int kStartAirGroup = 1052;
constexpr int kStartFlowLabel = 1053;
constexpr int kStartVelocityLabel = 1054;

// The dimensioning dialog.
constexpr int kDimLabelsRadio = 1067;
constexpr int kDimSizesRadio = 1069;
constexpr int kDimBothRadio = 1070;
constexpr int kDimNoQuestionsCheck = 1082;

// The user block dialog.
constexpr int kCustomBlockGroup = 1075;
constexpr int kCustomSystemLabel = 1076;
constexpr int kCustomNameLabel = 1077;
constexpr int kCustomNameEdit = 1078;
constexpr int kCustomUserTextLabel = 1079;
constexpr int kCustomUserTextEdit = 1080;
constexpr int kCustomListedCheck = 1081;

// The options dialog.
constexpr int kOptionScaleRightEdit = 1075;
constexpr int kOptionRectLengthEdit = 1076;
constexpr int kOptionRoundLengthEdit = 1077;
constexpr int kOptionLabelDistanceEdit = 1078;
constexpr int kOptionScaleLabel = 1083;
constexpr int kOptionPieceGroup = 1084;
constexpr int kOptionRectLengthLabel = 1085;
constexpr int kOptionRoundLengthLabel = 1086;
constexpr int kOptionScaleLeftEdit = 1087;
constexpr int kOptionLabelDistanceLabel = 1088;
