// The host's C API over the drawing database: result-buffer lists, entity
// functions, XDATA, symbol tables, registered applications, dictionaries
// and selection sets.  They act on the current document's drawing.
//
// Entity lists follow the C API conventions: a point is one group of three
// doubles (10 x y z); references (-1, 330-369) are entity names; XDATA
// follows a bare -3 group, each application's part starting with 1001.
// Lists the functions return are the caller's to release with acutRelRb.
#pragma once

#include "ads_types.h"

// ---- result buffers
// (type, value) pairs ended by 0 or RTNONE.  Group codes take values by
// their range (strings as const ACHAR*, points as ads_point, names as
// ads_name, shorts as int, longs as long, reals as double); RTDXF0 stands
// for group 0.  Returns null on a bad type code (nothing leaks).
resbuf* acutBuildList(int type, ...);
resbuf* acutNewRb(int type);
int acutRelRb(resbuf* list);
// Angle of the line from p1 to p2 in the x-y plane, radians.
ads_real acutAngle(const ads_point p1, const ads_point p2);
ads_real acutDistance(const ads_point p1, const ads_point p2);
void acutPolar(const ads_point from, ads_real angle, ads_real distance, ads_point to);

// ---- entities
// Makes an entity (into the open BLOCK ... ENDBLK bracket, else model
// space) or a BLOCK/ENDBLK bracket.  ENDBLK of an anonymous block ("*..."
// with 70 bit 1) names the block "*U<n>", makes that name the answer of the
// next acedGetInput and returns RTKWORD; every other success is RTNORM.
int acdbEntMake(const resbuf* list);
// Makes an object with no owner (DICTIONARY, XRECORD...) or an entity, and
// gives its name.
int acdbEntMakeX(const resbuf* list, ads_name result);
resbuf* acdbEntGet(const ads_name entity);
// apps: RTSTR application names (wildcards * and ?), null = no XDATA.
resbuf* acdbEntGetX(const ads_name entity, const resbuf* apps);
// The -1 group names the target.  XDATA of each application in the list is
// replaced; other applications' XDATA stays.
int acdbEntMod(const resbuf* list);
// Erases, or un-erases an erased entity.
int acdbEntDel(const ads_name entity);
int acdbEntUpd(const ads_name entity);
// Last live main entity.
int acdbEntLast(ads_name result);
// First (null entity) or next live entity of the drawing.
int acdbEntNext(const ads_name entity, ads_name result);
// Live or erased object of a hex handle.
int acdbHandEnt(const ACHAR* handle, ads_name result);
// RTNORM when the name is a valid, not purged object of the current drawing.
int acdbNameValid(const ads_name entity);

// ---- extended data
// The bytes an XDATA list (from its first 1001, or from a -3 before it)
// takes on an object, as the host counts them against its room of 16383
// bytes; RTERROR for a list that is not XDATA of registered applications
// with balanced braces.
int acdbXdSize(const resbuf* xdata, long* size);

// ---- tables and applications
// RTNORM when added; RTERROR when already registered or not a valid name.
int acdbRegApp(const ACHAR* application);
// The record of a table ("LAYER", "LTYPE", "STYLE", "DIMSTYLE", "APPID",
// "BLOCK", "VPORT", "VIEW", "UCS"); null when absent.  setnext makes the
// next acdbTblNext continue after it.
resbuf* acdbTblSearch(const ACHAR* table, const ACHAR* name, int setnext);
resbuf* acdbTblNext(const ACHAR* table, int rewind);
// The record's entity name (for the object API).
int acdbTblObjName(const ACHAR* table, const ACHAR* name, ads_name result);

// ---- dictionaries
int acdbNamedObjDict(ads_name result);
resbuf* acdbDictSearch(const ads_name dictionary, const ACHAR* key, int setnext);
// One iterator for all dictionaries: rewind != 0 starts at the first entry.
resbuf* acdbDictNext(const ads_name dictionary, int rewind);
int acdbDictAdd(const ads_name dictionary, const ACHAR* key, const ads_name object);
// Detaches the entry; the object stays, unowned.
int acdbDictRemove(const ads_name dictionary, const ACHAR* key);
int acdbDictRename(const ads_name dictionary, const ACHAR* oldKey, const ACHAR* newKey);

// ---- selection sets
// "X" (or "_X"): every main entity that passes the filter.  Any other mode
// (or none) asks the user through the shell.  RTNORM with a set; RTERROR
// and no set when nothing was selected.
int acedSSGet(const ACHAR* mode, const void* pt1, const void* pt2, const resbuf* filter, ads_name set);
int acedSSFree(const ads_name set);
int acedSSLength(const ads_name set, long* length);
int acedSSName(const ads_name set, long index, ads_name entity);
// Both null: a new empty set.  Null set: a new set with the entity.  Else
// adds to the set (duplicates ignored); result names the set.
int acedSSAdd(const ads_name entity, const ads_name set, ads_name result);
int acedSSDel(const ads_name entity, const ads_name set);
// RTNORM when the entity is in the set, RTERROR otherwise.
int acedSSMemb(const ads_name entity, const ads_name set);
