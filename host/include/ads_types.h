// Basic types and codes of the host's C interface: result buffers, entity
// names, points, result type codes and status codes.
#pragma once

#include <cstdint>

typedef wchar_t ACHAR;
typedef double ads_real;
typedef ads_real ads_point[3];
typedef ads_real ads_matrix[4][4];
// An entity name or selection-set name: a pair of words that means one
// object for the session.  The all-zero name means "no entity".
typedef long ads_name[2];
typedef long* ads_namep;
typedef ads_real* ads_pointp;

enum { X = 0, Y = 1, Z = 2 };

struct ads_binary {
    short clen;
    char* buf;
};

union ads_u_val {
    ads_real rreal;
    ads_real rpoint[3];
    short rint;
    ACHAR* rstring;
    long rlname[2];
    long rlong;  // holds a 32-bit value (groups 90-99, 1071)
    int64_t mnInt64;
    ads_binary rbinary;
};

struct resbuf {
    resbuf* rbnext;
    short restype;
    ads_u_val resval;
};

// Result type codes (always above the largest group code).
#define RTNONE 5000
#define RTREAL 5001
#define RTPOINT 5002
#define RTSHORT 5003
#define RTANG 5004
#define RTSTR 5005
#define RTENAME 5006
#define RTPICKS 5007
#define RTORINT 5008
#define RT3DPOINT 5009
#define RTLONG 5010
#define RTVOID 5014
#define RTLB 5016
#define RTLE 5017
#define RTDOTE 5018
#define RTNIL 5019
#define RTDXF0 5020
#define RTT 5021
#define RTRESBUF 5023
#define RTMODELESS 5027

// Status codes.
#define RTNORM 5100
#define RTERROR (-5001)
#define RTCAN (-5002)
#define RTREJ (-5003)
#define RTFAIL (-5004)
#define RTKWORD (-5005)
#define RTINPUT (-5008)

// Results of external functions.
#define RSRSLT 1
#define RSERR 3

// acedInitGet bits.
#define RSG_NONULL 0x0001
#define RSG_NOZERO 0x0002
#define RSG_NONEG 0x0004
#define RSG_NOLIM 0x0008
#define RSG_GETZ 0x0010
#define RSG_DASH 0x0020
#define RSG_2D 0x0040
#define RSG_OTHER 0x0080

inline void ads_point_set(const ads_point from, ads_point to) {
    to[0] = from[0];
    to[1] = from[1];
    to[2] = from[2];
}
inline void ads_name_set(const ads_name from, ads_name to) {
    to[0] = from[0];
    to[1] = from[1];
}
inline void ads_name_clear(ads_name name) { name[0] = name[1] = 0; }
inline bool ads_name_nil(const ads_name name) { return name[0] == 0 && name[1] == 0; }
inline bool ads_name_equal(const ads_name a, const ads_name b) { return a[0] == b[0] && a[1] == b[1]; }
