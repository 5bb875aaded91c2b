// Resource ids of the test executables' own resources, clear of the program's.
#pragma once

// make_test_strip.py: 8 x 10, so four slices of 2 rows and 2 rows never shown.
#define IDB_TEST_STRIP_10_ROWS 9000
