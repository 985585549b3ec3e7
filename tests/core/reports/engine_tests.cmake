# Test programs, relative to tests/.
quenchel_core_test(report_engine_tests core/reports/report_engine_random_test.cpp core/reports/report_sums_test.cpp)
