// Resource and control identifiers, shared by the resource script and the program.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_LINKS_DIALOG 102
#define IDD_STATISTICS 133
#define IDD_TIP 144
#define IDD_TOPIC 156
#define IDD_UNDO_PREVIEW 138
#define IDD_SAVING 129
#define IDD_CATEGORIES 130
#define IDD_SEARCHING 131
#define IDD_MISC 135
#define IDD_TITLE_CASE 139
#define IDD_NUMBERS 146
#define IDD_MULTI_SORT 134
#define IDD_IMPORT 140

// Icons, accelerators, strings
#define IDR_MAINFRAME 128
#define IDR_ACCELERATORS 137
#define IDS_ABOUTBOX 101
#define IDS_APP_TITLE 57344
// The tips of the day: their number as decimal text, then tip k (from 0) at IDS_TIP_FIRST + k.
#define IDS_TIP_COUNT 57345
#define IDS_TIP_FIRST 57346

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

// Controls of the options pages (the numbers repeat across pages)
#define IDC_SAVE_FILE 1021
#define IDC_LOAD_FILE 1024
#define IDC_PRESS_COUNTER 1049
#define IDC_SAVE_ON_TIMER 1055
#define IDC_TIMER_INTERVAL 1088
#define IDC_SAVE_ON_CLOSE 1089
#define IDC_SAVE_ON_PRESSES 1090
#define IDC_DATA_FILE 1092
#define IDC_NEW_FILE 1093
#define IDC_REMOVE_FILE 1094
#define IDC_APPEND_FILE 1095
#define IDC_PRESS_COUNT 1100

#define IDC_ENTRY_EDIT 1025
#define IDC_ADD 1026
#define IDC_CATEGORY_LIST 1027
#define IDC_EDIT_ENTRY 1028
#define IDC_RENAME 1030
#define IDC_NEW_CHOICE 1004

#define IDC_SEPARATION 1002
#define IDC_CLEAR_SEARCH_LIST 1005
#define IDC_SEPARATION_LABEL 1006
#define IDC_SEPARATION_LOW 1007
#define IDC_SEPARATION_HIGH 1008
#define IDC_FIND_TITLE 1015
#define IDC_FIND_LINK 1016
#define IDC_FIND_DESCRIPTION 1033
#define IDC_FIND_CATEGORY 1034
#define IDC_ALLOW_TYPOS 1036
#define IDC_POSITION_ON_LAST 1084
#define IDC_INTERRUPTIBLE 1099

#define IDC_DEFAULT 1059
#define IDC_EXCEPTION 1060
#define IDC_EXCEPTION_LIST 1061

#define IDC_USE_SEPARATOR 1039
#define IDC_SEP_COMMA 1040
#define IDC_SEP_DOT 1041
#define IDC_SEP_SPACE 1042
#define IDC_SEP_OTHER 1043
#define IDC_SEP_OTHER_TEXT 1044

#define IDC_MOVE_TO_TITLE 1015
#define IDC_MOVE_TO_LINK 1016
#define IDC_COPY_LINK 1045
#define IDC_CONFIRM_DELETE 1047
#define IDC_SHOW_TIP 1080
#define IDC_RESTORE_PLACEMENT 1082
#define IDC_MOVE_SAVE 1091
#define IDC_SAVE_WIDTHS 1101

// Controls of the Multi-Column Sorting window
#define IDC_SORT_LIST 1039
#define IDC_MOVE_UP 1041
#define IDC_MOVE_DOWN 1042
#define IDC_REVERSE 1043
#define IDC_RESET 1044

// Controls of the Import window
#define IDC_FIND_TYPOS 1036
#define IDC_BOOKMARK_FILE 1063
#define IDC_BROWSE 1064
#define IDC_IMPORT 1066
#define IDC_FIND 1067
#define IDC_DRIVE 1068
#define IDC_PATTERN 1069
#define IDC_FOUND_FILES 1070
#define IDC_SELECT_FILE 1071
#define IDC_FIND_STATUS 1072
#define IDC_SHOW_FOLDERS 1097

// Controls of the Statistics window
#define IDC_STATISTICS_LIST 1038
#define IDC_STATISTICS_SUM 1049

// Controls of the Tip of the Day window and the topic chooser (Next is IDC_NEXT)
#define IDC_TIP_LAST 1055
#define IDC_TIP_SHOW 1075
#define IDC_TIP_TEXT 1076
#define IDC_TIP_PREVIOUS 1078
#define IDC_TIP_FIRST 1079
#define IDC_TIP_OF 1081
#define IDC_TIP_NUMBER 1133
#define IDC_TIP_TOPIC 1134
#define IDC_TIP_TOPICS 1135
#define IDC_TOPIC_LIST 1136

// Controls of the About box; the text of each is the string with its id.
#define IDC_WEB_LINK 1037
#define IDC_COPY_EMAIL 1051
#define IDC_SUPPORT_EMAIL 1074
#define IDC_ABOUT_PRODUCT 1140
#define IDC_ABOUT_NOTICE 1141
