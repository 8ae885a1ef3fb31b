#pragma once
// Resources of toolkit_images_tests.rc.
#define IDB_TEST_ALPHA_STRIP 200
#define IDB_TEST_V5 201
#define IDI_TEST_ICON32 300
#define IDI_TEST_ICON24 301
#define IDR_TEST_TOOLBAR 400
#define IDR_TEST_SHORT_TOOLBAR 401
