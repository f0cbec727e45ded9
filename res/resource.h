// Resource identifiers, shared by the resource script and the program.
#pragma once

// Dialog templates
#define IDD_HOST 102
#define IDD_TIMER_BAR 103
#define IDD_TIMER_EDIT 104
#define IDD_PAGE_KEYS 105

// Controls
#define IDC_NAME_EDIT 1000
#define IDC_SLOT_LIST 1100
#define IDC_CHANGE_KEY 1101
#define IDC_DEFAULT_KEY 1102
#define IDC_SECOND_PRESS 1103
#define IDC_KEY_PROMPT 1104
#define IDC_LOCKOUT 1105
#define IDC_LOCKOUT_SPIN 1106
#define IDC_GAME_PROGRAM 1107

// Icons
#define IDI_PROGRAM 128
#define IDI_APPLICATION_SMALL 138

// Skins and sprites
#define IDB_BAR_SKIN 129
#define IDB_BAR_CLOSE 134
#define IDB_EDITOR_SKIN 136
#define IDB_OK_BUTTON 10000
#define IDB_CANCEL_BUTTON 10001
#define IDB_ARROW_UP 10002
#define IDB_ARROW_DOWN 10003
#define IDB_PIN_ON 10004
#define IDB_PIN_OFF 10005
#define IDB_ICON_FIRST 20001
#define IDB_ICON_LAST 20024

// Sounds
#define IDR_CHIME 140

// Strings
#define IDS_VERSION 102
#define IDS_TITLE 103
// The bar menu's choices, in the order of their options.
#define IDS_MENU_GLOBAL_KEYS 110
#define IDS_MENU_EXPIRY_SOUND 111
#define IDS_MENU_KEEP_RUNNING 112
#define IDS_MENU_DOUBLE_SIZE 113
#define IDS_MENU_SETTINGS 114
#define IDS_MENU_RESTART_ELEVATED 115
#define IDS_PAUSED 116
#define IDS_ELEVATED_MARK 117
// The settings window
#define IDS_SETTINGS_TITLE 120
#define IDS_COLUMN_SLOT 121
#define IDS_COLUMN_NAME 122
#define IDS_COLUMN_KEY 123
#define IDS_COLUMN_SECOND_PRESS 124
#define IDS_PRESS_STOP 125
#define IDS_PRESS_RESTART 126
#define IDS_KEY_HELP 127
#define IDS_KEY_WAITING 128
#define IDS_KEY_TAKEN 129
#define IDS_KEY_NONE 130
#define IDS_MIDDLE_BUTTON 131
#define IDS_SIDE_BUTTON_1 132
#define IDS_SIDE_BUTTON_2 133
#define IDS_PAUSE_ROW 134
#define IDS_PAUSE_NAME 135
#define IDS_ANY_PROGRAM 136
#define IDS_APP_NAME 57344
#define IDS_MAX_CHARS_PROMPT 61716
