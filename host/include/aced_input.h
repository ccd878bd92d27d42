// The host's command-line interface for plug-ins: user input, entity picks,
// commands, system variables, output, and the table of functions a plug-in
// defines.  Every prompt reads one line of the host's input (see the
// lurak program's answer syntax); end of input is cancel.
#pragma once

#include <cstddef>

#include "ads_types.h"

// ---------------------------------------------------------------------------
// User input.  Results: RTNORM, RTNONE (Enter where allowed), RTCAN (cancel),
// RTKWORD (a keyword or, with RSG_OTHER, any text: read it with
// acedGetInput), RTERROR.

// Bits (RSG_*) and keywords for the next input call only.  Keywords are
// separated by blanks; the capitals of a keyword are its abbreviation
// ("LType" -> "LT"), or "LTYPE,LT" gives it explicitly; "Loc1 Loc2 _ Glob1
// Glob2" pairs local keywords with global ones by position.
int acedInitGet(int val, const ACHAR* kwl);

// pt is the base point (null for none): answers "@dx,dy" and angle or
// distance answers given as a point are taken from it.
int acedGetPoint(const ads_point pt, const ACHAR* prompt, ads_point result);
int acedGetCorner(const ads_point pt, const ACHAR* prompt, ads_point result);
int acedGetDist(const ads_point pt, const ACHAR* prompt, ads_real* result);
// Radians, counter-clockwise from +x (ANGBASE 0).
int acedGetAngle(const ads_point pt, const ACHAR* prompt, ads_real* result);
int acedGetOrient(const ads_point pt, const ACHAR* prompt, ads_real* result);
int acedGetInt(const ACHAR* prompt, int* result);
int acedGetReal(const ACHAR* prompt, ads_real* result);
// cronly != 0 keeps blanks in the answer; otherwise the answer ends at its
// first blank.  The three-argument forms write at most 133 characters with
// the terminating zero (the host's limit); the others at most bufLen.
int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result);
int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, size_t bufLen);
int acedGetKword(const ACHAR* prompt, ACHAR* result);
int acedGetKword(const ACHAR* prompt, ACHAR* result, size_t bufLen);
// The keyword (global form) or arbitrary text of the last RTKWORD, or the
// name of the block just closed by ENDBLK.  At most 132 characters with
// the terminating zero in the two-argument-less form.
int acedGetInput(ACHAR* str);
int acedGetInput(ACHAR* str, size_t bufLen);

// Entity pick.  RTNORM with the entity and the picked point; RTERROR when
// the pick hit nothing or on Enter; RTCAN; RTKWORD with keywords.
int acedEntSel(const ACHAR* str, ads_name entres, ads_point ptres);

// File dialog: the answer is a path.  RTNORM with an RTSTR result (the
// caller frees its string with acutRelRb or free), RTCAN on cancel.
int acedGetFileD(const ACHAR* title, const ACHAR* defawlt, const ACHAR* ext, int flags,
                 resbuf* result);

// 1 when the user has cancelled since the plug-in was last invoked.
int acedUsrBrk();

// The progress meter of a long operation: a label and a range, then the
// position as the work goes on, then restored.  The host draws it on the
// terminal's error stream, only when that is a terminal (a transcript
// stays as it was).  0 when shown, -1 otherwise.
int acedSetStatusBarProgressMeter(const ACHAR* label, int minPos, int maxPos);
int acedSetStatusBarProgressMeterPos(int pos);
void acedRestoreStatusBarProgressMeter();

// ---------------------------------------------------------------------------
// Commands.  Arguments are pairs (type, value) closed by RTNONE: RTSTR text,
// RTPOINT/RT3DPOINT point, RTREAL/RTANG number, RTSHORT/RTLONG integer.
// The string "\\" (PAUSE) takes that answer from the user.  A call without
// arguments ends the active command or mode.  RTNORM, RTCAN, or RTREJ for
// an unknown command or a refused argument.
int acedCommand(int rtype, ...);
int acedCmd(const resbuf* rbp);

// System variables, names without case: one result buffer of type RTSHORT,
// RTREAL, RTSTR, RTPOINT or RT3DPOINT.  acedGetVar gives an RTSTR value a
// new string that the caller frees.  RTERROR for an unknown name, a
// read-only variable or a value of the wrong type.
int acedGetVar(const ACHAR* sym, resbuf* result);
int acedSetVar(const ACHAR* sym, const resbuf* val);

// ---------------------------------------------------------------------------
// Output.

// printf to the command line.  Wide semantics: %s and %c take wide
// arguments, %S and %C narrow ones (%ls, %hs are also understood).
int acutPrintf(const ACHAR* format, ...);
// Prints "Application <name> ERROR: <str>".
int acdbFail(const ACHAR* str);
// A message box with OK: printed, needs no answer.
int acedAlert(const ACHAR* str);
int acedTextScr();
int acedGraphScr();
// mode 1 show, 2 hide, 3 highlight, 4 unhighlight (negative: header only);
// null ent redraws everything.  The highlight state is kept per entity.
int acedRedraw(const ads_name ent, int mode);
// Prints the help file and topic.
int acedHelp(const ACHAR* szFilename, const ACHAR* szTopic, int iCmd);

// ---------------------------------------------------------------------------
// Functions a plug-in defines, per document.

// "C:NAME" is also a command.  A later definition of a name replaces the
// earlier one.  RTERROR without a document or with an empty name.
int acedDefun(const ACHAR* sname, short funcno);
int acedUndef(const ACHAR* sname, short funcno);
// While the host calls a function (kInvkSubrMsg): its code, else RTERROR.
int acedGetFunCode();
// Its arguments (may be null); owned by the host.
resbuf* acedGetArgs();
// The function's result; the last call wins.
int acedRetVoid();
int acedRetNil();
int acedRetT();
int acedRetInt(int ival);
int acedRetReal(ads_real rval);
int acedRetPoint(const ads_point pt);
int acedRetStr(const ACHAR* s);
int acedRetName(const ads_name aname, int type);
int acedRetVal(const resbuf* rbuf);
int acedRetList(const resbuf* rbuf);

// Calls a function by name: args = (RTSTR name, arguments...).  RTNORM
// when it ran; *result is its result (null for none), freed by the caller.
// "acad_colordlg" (RTSHORT colour [, RTNIL]) is the host's colour dialog.
int acedInvoke(const resbuf* args, resbuf** result);
