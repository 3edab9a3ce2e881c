// The kernel cases' main: one PASS or FAIL line per case, with what failed, so that the console
// of the guest they run in reads as a list.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class CaseLines : public testing::EmptyTestEventListener {
    void OnTestPartResult(const testing::TestPartResult& result) override {
        if (result.failed())
            std::printf("  %s:%d: %s\n", result.file_name() ? result.file_name() : "?",
                        result.line_number(), result.message());
        std::fflush(stdout);
    }
    void OnTestEnd(const testing::TestInfo& info) override {
        const char* verdict = info.result()->Skipped()  ? "SKIP"
                              : info.result()->Passed() ? "PASS"
                                                        : "FAIL";
        std::printf("%s %s.%s (%.1f s)\n", verdict, info.test_suite_name(), info.name(),
                    double(info.result()->elapsed_time()) / 1000.0);
        std::fflush(stdout);
    }
    void OnTestProgramEnd(const testing::UnitTest& unit) override {
        std::printf("kernel cases: %d passed, %d failed, %d skipped in %.1f s\n",
                    unit.successful_test_count(), unit.failed_test_count(),
                    unit.skipped_test_count(), double(unit.elapsed_time()) / 1000.0);
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    testing::TestEventListeners& listeners = testing::UnitTest::GetInstance()->listeners();
    delete listeners.Release(listeners.default_result_printer());
    listeners.Append(new CaseLines);
    return RUN_ALL_TESTS();
}
