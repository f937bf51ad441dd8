#pragma once
// Tessarine's own version, fixed at build time; plain macros so the resource
// compiler reads them for the version block too.
#define TSR_VERSION_MAJOR 1
#define TSR_VERSION_MINOR 0
#define TSR_VERSION_REVISION 12
#define TSR_VERSION_STRING "1.0.12"
