#pragma once
#define IDS_GREETING 101
#define IDS_NUMBER 102
#define IDS_SECOND_BLOCK 150
#define IDS_MISSING 103
