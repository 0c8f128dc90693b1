// Entry point of every test program.
//
// GoogleTest's default printer also hands each failure to OutputDebugStringA on
// Windows, which raises a debugger exception; under emulated Wine that exception
// ends the test process, so every failure after the first went unseen. The
// printer below prints failures itself and forwards every other event.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

using testing::TestEventListener;

class FailurePrinter : public TestEventListener {
public:
    explicit FailurePrinter(TestEventListener* inner) : inner_(inner) {}

    void OnTestProgramStart(const testing::UnitTest& u) override { inner_->OnTestProgramStart(u); }
    void OnTestIterationStart(const testing::UnitTest& u, int i) override { inner_->OnTestIterationStart(u, i); }
    void OnEnvironmentsSetUpStart(const testing::UnitTest& u) override { inner_->OnEnvironmentsSetUpStart(u); }
    void OnEnvironmentsSetUpEnd(const testing::UnitTest& u) override { inner_->OnEnvironmentsSetUpEnd(u); }
    void OnTestSuiteStart(const testing::TestSuite& s) override { inner_->OnTestSuiteStart(s); }
    void OnTestCaseStart(const testing::TestCase& c) override { inner_->OnTestCaseStart(c); }
    void OnTestStart(const testing::TestInfo& t) override { inner_->OnTestStart(t); }
    void OnTestDisabled(const testing::TestInfo& t) override { inner_->OnTestDisabled(t); }
    void OnTestPartResult(const testing::TestPartResult& r) override {
        if (r.type() == testing::TestPartResult::kSuccess) return;
        std::printf("%s:%d: %s\n%s\n", r.file_name() ? r.file_name() : "unknown file", r.line_number(),
                    r.type() == testing::TestPartResult::kSkip ? "Skipped" : "Failure", r.message());
        std::fflush(stdout);
    }
    void OnTestEnd(const testing::TestInfo& t) override { inner_->OnTestEnd(t); }
    void OnTestSuiteEnd(const testing::TestSuite& s) override { inner_->OnTestSuiteEnd(s); }
    void OnTestCaseEnd(const testing::TestCase& c) override { inner_->OnTestCaseEnd(c); }
    void OnEnvironmentsTearDownStart(const testing::UnitTest& u) override { inner_->OnEnvironmentsTearDownStart(u); }
    void OnEnvironmentsTearDownEnd(const testing::UnitTest& u) override { inner_->OnEnvironmentsTearDownEnd(u); }
    void OnTestIterationEnd(const testing::UnitTest& u, int i) override { inner_->OnTestIterationEnd(u, i); }
    void OnTestProgramEnd(const testing::UnitTest& u) override { inner_->OnTestProgramEnd(u); }

private:
    std::unique_ptr<TestEventListener> inner_;
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleMock(&argc, argv);
    auto& listeners = testing::UnitTest::GetInstance()->listeners();
    if (TestEventListener* printer = listeners.default_result_printer()) {
        listeners.Append(new FailurePrinter(listeners.Release(printer)));
    }
    return RUN_ALL_TESTS();
}
