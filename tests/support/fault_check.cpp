// Compiled into every Windows test program beside GoogleTest's main: a fault of the program's own
// code fails the test that was running, or the whole program when it came before the first test or
// after the last. The system's message dispatch swallows a fault raised in a window procedure, so
// without this a test could pass over a window that faulted halfway through being made.
#include "platform/fault_log.h"

#include <gtest/gtest.h>

namespace {

class FaultCheck final : public testing::EmptyTestEventListener {
    void OnEnvironmentsSetUpEnd(const testing::UnitTest&) override {
        FailOnFaults("before the first test");
    }
    void OnTestEnd(const testing::TestInfo&) override { FailOnFaults("in this test"); }
    void OnEnvironmentsTearDownEnd(const testing::UnitTest&) override {
        FailOnFaults("after the last test");
    }

    static void FailOnFaults(const char* when) {
        for (const Fault& fault : TakeFaults())
            ADD_FAILURE() << "the program's own code faulted " << when << ": " << fault.Text;
    }
};

// Before main, so that faults of static construction count too. The faults also go to the file
// QUORVANE_FAULT_LOG names, where the script that ran the program finds those of its very end.
struct FaultCheckInstaller {
    FaultCheckInstaller() {
        WatchForFaults(FaultLogNamedByEnvironment());
        testing::UnitTest::GetInstance()->listeners().Append(new FaultCheck);
    }
} Installer;

} // namespace
