// Resource ids of the setup program. The icon (101) and the side picture (103) are
// numbered in setup_art.rc, which comes with the artwork.
#pragma once

#define IDS_PRODUCT_NAME 1
#define IDS_VERSION 2
#define IDS_CLASS_NAME 5
// The licence agreement, in the order it is read.
#define IDS_LICENSE_1 3
#define IDS_LICENSE_2 4
#define IDS_LICENSE_3 7
#define IDS_LICENSE_4 8
#define IDS_LICENSE_5 9
#define IDS_LICENSE_6 10
#define IDS_LICENSE_7 11

#define IDI_SETUP 101
#define IDB_SIDE 103

#define IDD_WELCOME 102
#define IDD_LICENSE 103

#define IDC_DECLINE 1000
#define IDC_ACCEPT 1001
#define IDC_BACK 1002
#define IDC_AGREEMENT 1003
#define IDC_CANCEL 1004
#define IDC_NEXT 1005
#define IDC_WELCOME_TEXT 1006
#define IDC_QUESTION 1007
