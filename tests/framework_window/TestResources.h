#pragma once
// Resource and command ids of the window-layer tests.
#define IDR_TEST_FRAME 300
#define IDD_TEST_DIALOG 301

#define IDC_TEST_EDIT 1001
#define IDC_TEST_NUMBER 1002
#define IDC_TEST_CHECK 1003
#define IDC_TEST_RADIO1 1004
#define IDC_TEST_RADIO2 1005
#define IDC_TEST_RADIO3 1006

#define ID_ROUTE_ALL 40001      // handled by view, document, frame and application
#define ID_ROUTE_DOC 40002      // document, frame and application
#define ID_ROUTE_FRAME 40003    // frame and application
#define ID_ROUTE_APP 40004      // application only
#define ID_UPDATE_TOGGLE 40010  // frame handler with an update handler
#define ID_NO_HANDLER 40011     // no handler anywhere
#define ID_HANDLER_ONLY 40012   // frame handler, no update handler
