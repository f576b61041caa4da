// Resource identifiers: dialog templates, their controls, strings, icon.
#ifndef RES_RESOURCE_H
#define RES_RESOURCE_H

#define IDS_COMPONENT_VERSION 1
#define IDI_APP 128

#define IDD_CONDITION 130
#define IDD_PROGRESS 131

// Conditions dialog
#define IDC_END_MONTH 1000
#define IDC_BROWSE 1001
#define IDC_EXECUTE 1002
#define IDC_CANCEL_BUTTON 1003
#define IDC_TAX_INCLUSIVE 1004
#define IDC_LABEL_COMPANY 1005
#define IDC_COMPANY_NAME 1006
#define IDC_LABEL_PERIOD 1007
#define IDC_PERIOD 1008
#define IDC_LABEL_SPAN 1009
#define IDC_START_MONTH 1010
#define IDC_START_MONTH_UNIT 1011
#define IDC_SPAN_MARK 1012
#define IDC_END_MONTH_LABEL 1013
#define IDC_OUTPUT_GROUP 1014
#define IDC_OUTPUT_PATH 1015

// Progress window
#define IDC_OVERALL_BAR 1016
#define IDC_ACTIVITY_BAR 1017

#endif
