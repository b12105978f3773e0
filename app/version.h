// The program's name and version, as macros the resource compiler reads.
#pragma once

#define ORVANE_VERSION_MAJOR 2
#define ORVANE_VERSION_MINOR 0
#define ORVANE_VERSION_PATCH 0
#define ORVANE_VERSION_BUILD 0
#define ORVANE_VERSION_TEXT "2.00"
#define ORVANE_COMPANY "Orvane软件"
#define ORVANE_PRODUCT "Orvane置顶工具"
#define ORVANE_INTERNAL_NAME "Orvane窗口置顶工具V2.0"
#define ORVANE_ORIGINAL_FILENAME "Orvane窗口置顶工具V2.0.exe"
// The application's title: message boxes that name no caption carry it.
#define ORVANE_APP_TITLE "Orvane窗口置顶工具V2.0"
#define ORVANE_WINDOW_CAPTION "Orvane窗口置顶工具 V2.0"
