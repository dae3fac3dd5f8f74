// The entry of every test program. Besides gtest's own flags it takes
//   --program=NAME    run only the cases of program NAME (fails when it has none)
//   --list-programs   print "<program> <cases>" for every program tested here
// Every test must belong to a program: table rows by their name, other tests
// through PROGRAM_TEST.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "harness/harness.hpp"

int main(int argc, char** argv) {
    // Only the selected program's table rows become tests: each CTest entry
    // then builds and registers just its own cases.
    for (int i = 1; i < argc; ++i)
        if (strncmp(argv[i], "--program=", 10) == 0) harness::selected_program = argv[i] + 10;
    ::testing::InitGoogleTest(&argc, argv);
    std::string only;
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        if (strncmp(argv[i], "--program=", 10) == 0)
            only = argv[i] + 10;
        else if (strcmp(argv[i], "--list-programs") == 0)
            list = true;
        else {
            fprintf(stderr, "unknown argument: %s\n", argv[i]);
            return 2;
        }
    }
    ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
    std::map<std::string, int> cases;
    std::string filter;
    for (int s = 0; s < unit.total_test_suite_count(); ++s) {
        const ::testing::TestSuite& suite = *unit.GetTestSuite(s);
        for (int t = 0; t < suite.total_test_count(); ++t) {
            const ::testing::TestInfo& info = *suite.GetTestInfo(t);
            std::string program = harness::program_of(info);
            if (program.empty()) {
                fprintf(stderr, "test %s.%s belongs to no program: use PROGRAM_TEST\n", info.test_suite_name(),
                        info.name());
                return 2;
            }
            ++cases[program];
            if (program == only) filter += std::string(filter.empty() ? "" : ":") + info.test_suite_name() + "." + info.name();
        }
    }
    if (list) {
        for (const auto& [program, n] : cases) printf("%s %d\n", program.c_str(), n);
        return 0;
    }
    if (!only.empty()) {
        if (filter.empty()) {
            fprintf(stderr, "no cases for program %s here\n", only.c_str());
            return 1;
        }
        GTEST_FLAG_SET(filter, filter);
    }
    return RUN_ALL_TESTS();
}
