// Numbers of the command messages and prompts in lurak.msg that the
// commands print or ask with (CommandMessage).
#pragma once

constexpr int kMsgUnknownFunction = 149;
constexpr int kPromptStartPoint = 150;
constexpr int kPromptStartDirection = 151;
constexpr int kMsgNotAnElement = 153;
constexpr int kMsgNoCurrentElement = 155;
constexpr int kMsgNoMatchingConnector = 156;
constexpr int kMsgNoFreeConnector = 157;
constexpr int kMsgNoFacingConnectors = 163;
constexpr int kMsgNothingFitsBetween = 164;
constexpr int kPromptLabelPosition = 165;
constexpr int kMsgDoesNotFit = 166;
constexpr int kPromptPathPoint = 169;
constexpr int kMsgPathCannotTurn = 170;
constexpr int kPromptFlowLabel = 177;
constexpr int kPromptFlowArrow = 178;
constexpr int kPromptRunEnd = 179;
constexpr int kPromptRunEndOrNext = 180;
