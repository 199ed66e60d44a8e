// Resource and control identifiers, shared by the resource script and the program.
#pragma once

// Dialog templates
#define IDD_LINKS_DIALOG 102
#define IDD_UNDO_PREVIEW 138

// Icons, accelerators, strings
#define IDR_MAINFRAME 128
#define IDR_ACCELERATORS 137
#define IDS_ABOUTBOX 101
#define IDS_APP_TITLE 57344

// Commands
#define ID_CONFIRM_EXIT 110

// System-menu commands: multiples of 16 below 0xF000, so that they survive the masking of a
// system command's low four bits and never collide with the platform's own.
#define IDM_ABOUTBOX 16
#define IDM_STATISTICS 32
#define IDM_MULTI_SORT 48
#define IDM_INVERT_SELECTION 64
#define IDM_SELECT_ALL 80
#define IDM_WORD_WRAP 96
#define IDM_UNDO 112
#define IDM_REDO 128
#define IDM_PREVIEW 144
#define IDM_TITLE_CASE 160
#define IDM_IMPORT 176
#define IDM_TIP 192

// Controls of the main window
#define IDC_LINK_LIST 1000
#define IDC_TITLE 1001
#define IDC_LINK 1002
#define IDC_DESCRIPTION 1003
#define IDC_CATEGORY 1004
#define IDC_LAUNCH 1005
#define IDC_SAVE 1006
#define IDC_OPTIONS 1008
#define IDC_PREVIOUS 1010
#define IDC_NEXT 1011
#define IDC_DELETE 1014
#define IDC_MODIFIED_DATE 1048
#define IDC_SEARCH 1054
#define IDC_SELECTED_COUNT 1083
#define IDC_LINK_COUNT 1096
#define IDC_NEW 1102

// Controls of the undo and redo preview
#define IDC_PREVIEW_ACTION 1056
#define IDC_PREVIEW_EFFECT 1057
#define IDC_PREVIEW_CATEGORY 1025
