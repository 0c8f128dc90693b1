// Who this server is: its class identifier and the names it registers under.
#pragma once

#include <windows.h>

namespace ombrix {

// {46CC93AA-C322-42DD-AA3A-CF9FC71D9871}
inline constexpr CLSID kContextMenuClsid = {
    0x46cc93aa, 0xc322, 0x42dd, {0xaa, 0x3a, 0xcf, 0x9f, 0xc7, 0x1d, 0x98, 0x71}};

inline constexpr char kProgId[] = "Ombrix.CoLumavexContextMenu";
inline constexpr char kThreadingModel[] = "Apartment";
inline constexpr char kApprovalDescription[] = "Lumavex shell extension";
inline constexpr char kHandlerKeyName[] = "Lumavex";

}  // namespace ombrix
