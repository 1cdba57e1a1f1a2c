// Identifiers of the resources in tarumo2.rc, read by both the resource compiler and C++
// (hence macros).
#pragma once

#define IDI_PROGRAM 1
