// Numbers of the command messages, prompts and alerts in lurak.msg that
// the commands and dialogs print or ask with.
#pragma once

constexpr int kMsgUnknownFunction = 149;
constexpr int kPromptStartPoint = 150;
constexpr int kPromptStartDirection = 151;
constexpr int kMsgNotAnElement = 153;
constexpr int kMsgLayingRun = 154;
constexpr int kMsgNoCurrentElement = 155;
constexpr int kMsgNoMatchingConnector = 156;
constexpr int kMsgNoFreeConnector = 157;
constexpr int kMsgTagTaken = 158;
constexpr int kMsgNoSize = 159;
constexpr int kMsgNoSystem = 160;
constexpr int kMsgNoFacingConnectors = 163;
constexpr int kMsgNothingFitsBetween = 164;
constexpr int kPromptLabelPosition = 165;
constexpr int kMsgDoesNotFit = 166;
constexpr int kPromptPathPoint = 169;
constexpr int kMsgPathCannotTurn = 170;
constexpr int kMsgFirstNumberRange = 173;
constexpr int kMsgNoLayer = 174;
constexpr int kMsgNoTag = 175;
constexpr int kPromptFlowLabel = 177;
constexpr int kPromptFlowArrow = 178;
constexpr int kPromptRunEnd = 179;
constexpr int kPromptRunEndOrNext = 180;
constexpr int kMsgCannotStoreSystem = 181;
constexpr int kMsgRunTooLong = 189;
