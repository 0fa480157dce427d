#pragma once
// Numbers of the language module's resources other than its strings. Plain #defines, so that
// the resource scripts can use them too.

// The error dialog and its controls.
#define LANG_IDD_ERROR_DIALOG 5605
#define LANG_IDC_COPY_LOG 5600
#define LANG_IDC_REPORT 5601
#define LANG_IDC_INTRODUCTION 5607

// The host's menu entry: a bitmap (and a string) of this number.
#define LANG_ID_MENU_ENTRY 201
