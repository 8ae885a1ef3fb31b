#pragma once
// Resources of the toolbar tests.
#define IDR_TB_SMALL 501       // 16 x 15 images, two gaps in a row
#define IDR_TB_LARGE 502       // 24 x 24 images
#define IDR_TB_TRUNCATED 503   // counts more ids than it holds
#define IDR_TB_NO_IMAGES 504   // no bitmap of its id
#define IDR_TB_MISSING 505     // no such resource

#define ID_TB_FIRST 33101
#define ID_TB_SECOND 33102
#define ID_TB_THIRD 33103
