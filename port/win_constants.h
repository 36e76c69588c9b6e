#pragma once
// The Win32 values the program's logic uses, under their Win32 names, so that
// window procedures, dialog procedures and pages are written once for every
// backend. Never include this together with <windows.h> (its macros bear the
// same names); backends translate at their edge.
#include <climits>
#include <cstdint>

// Procedure results.
inline constexpr std::intptr_t TRUE = 1;
inline constexpr std::intptr_t FALSE = 0;

// Window messages.
inline constexpr unsigned WM_DESTROY = 0x0002;
inline constexpr unsigned WM_SETTEXT = 0x000C;
inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_ENDSESSION = 0x0016;
inline constexpr unsigned WM_QUIT = 0x0012;
inline constexpr unsigned WM_SETFONT = 0x0030;
inline constexpr unsigned WM_NOTIFY = 0x004E;
inline constexpr unsigned WM_INITDIALOG = 0x0110;
inline constexpr unsigned WM_COMMAND = 0x0111;

// Notification codes, as the int that DexPage::OnCommand receives.
inline constexpr int BN_CLICKED = 0;
inline constexpr int CBN_SELCHANGE = 1;
// The user confirmed the combo box's entry (Enter in its edit field).
inline constexpr int CBN_SELENDOK = 9;
inline constexpr int NM_DBLCLK = -3;        // NM_FIRST - 3
inline constexpr int TCN_SELCHANGE = -551;  // TCN_FIRST - 1

// Dialog and message-box values.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_ICONWARNING = 0x30;

// Window styles.
inline constexpr std::uint32_t WS_OVERLAPPED = 0x00000000u;
inline constexpr std::uint32_t WS_POPUP = 0x80000000u;
inline constexpr std::uint32_t WS_CHILD = 0x40000000u;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000u;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000u;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000u;
inline constexpr std::uint32_t WS_BORDER = 0x00800000u;
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000u;
inline constexpr std::uint32_t WS_HSCROLL = 0x00100000u;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000u;
inline constexpr std::uint32_t WS_GROUP = 0x00020000u;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000u;
inline constexpr std::uint32_t DS_SETFONT = 0x40u;
inline constexpr std::uint32_t DS_MODALFRAME = 0x80u;

// Control styles.
inline constexpr std::uint32_t SS_LEFT = 0x0u;
inline constexpr std::uint32_t SS_CENTER = 0x1u;
inline constexpr std::uint32_t SS_BITMAP = 0xEu;
inline constexpr std::uint32_t SS_NOTIFY = 0x100u;
inline constexpr std::uint32_t SS_TYPEMASK = 0x1Fu;
inline constexpr std::uint32_t ES_MULTILINE = 0x4u;
inline constexpr std::uint32_t ES_AUTOHSCROLL = 0x80u;
inline constexpr std::uint32_t ES_READONLY = 0x800u;
inline constexpr std::uint32_t BS_PUSHBUTTON = 0x0u;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x1u;
inline constexpr std::uint32_t BS_AUTOCHECKBOX = 0x3u;
inline constexpr std::uint32_t BS_GROUPBOX = 0x7u;
inline constexpr std::uint32_t BS_AUTORADIOBUTTON = 0x9u;
inline constexpr std::uint32_t BS_TYPEMASK = 0xFu;
inline constexpr std::uint32_t BS_CENTER = 0x300u;
inline constexpr std::uint32_t CBS_SIMPLE = 0x1u;
inline constexpr std::uint32_t CBS_DROPDOWN = 0x2u;
inline constexpr std::uint32_t CBS_DROPDOWNLIST = 0x3u;
inline constexpr std::uint32_t CBS_AUTOHSCROLL = 0x40u;
inline constexpr std::uint32_t CBS_SORT = 0x100u;
inline constexpr std::uint32_t LVS_REPORT = 0x1u;
inline constexpr std::uint32_t LVS_SINGLESEL = 0x4u;
inline constexpr std::uint32_t LVS_SHAREIMAGELISTS = 0x40u;
inline constexpr std::uint32_t LVS_NOSORTHEADER = 0x8000u;
inline constexpr std::uint32_t TCS_BOTTOM = 0x2u;

// Control class names.
inline constexpr const char* WC_STATIC = "STATIC";
inline constexpr const char* WC_EDIT = "EDIT";
inline constexpr const char* WC_BUTTON = "BUTTON";
inline constexpr const char* WC_COMBOBOX = "COMBOBOX";
inline constexpr const char* WC_LISTVIEW = "SysListView32";
inline constexpr const char* WC_TABCONTROL = "SysTabControl32";

// Window class and top window.
inline constexpr unsigned CS_DBLCLKS = 0x8u;
inline constexpr int CW_USEDEFAULT = INT_MIN;  // 0x80000000
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWDEFAULT = 10;

// Common controls and images.
inline constexpr unsigned ICC_LISTVIEW_CLASSES = 0x1u;
inline constexpr unsigned ICC_TAB_CLASSES = 0x8u;
inline constexpr unsigned ICC_USEREX_CLASSES = 0x200u;
inline constexpr unsigned ILC_COLOR16 = 0x10u;

// Combo box and list view results.
inline constexpr int CB_ERR = -1;
