// Resource identifiers, shared by the resource script and the program.
#pragma once

// Dialog templates
#define IDD_HOST 102
#define IDD_TIMER_BAR 103
#define IDD_TIMER_EDIT 104

// Controls
#define IDC_NAME_EDIT 1000

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
#define IDS_APP_NAME 57344
#define IDS_MAX_CHARS_PROMPT 61716
