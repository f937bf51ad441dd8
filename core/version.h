#pragma once
// The program's version, fixed at build time. Plain macros so the resource
// compiler can read them for the version block as well.
#define CRV_VERSION_MAJOR 4
#define CRV_VERSION_MINOR 0
#define CRV_VERSION_REVISION 4004
#define CRV_VERSION_STRING "4.0.4004"
