#include "terminal/ReceiveCapture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane {
namespace {

TEST(ReceiveCapture, AFullDiskIsReportedOnceAndNothingIsCountedAsWritten) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    ReceiveCapture capture;
    std::string error, reason;
    ASSERT_TRUE(capture.start("/dev/full", error)) << error;
    EXPECT_FALSE(capture.CaptureChar('a'));
    EXPECT_FALSE(capture.CaptureChar('b'));
    EXPECT_EQ(capture.RxCaptureCount(), 0u);
    ASSERT_TRUE(capture.takeFailureToReport(reason));
    EXPECT_EQ(reason, "No space left on device");
    EXPECT_FALSE(capture.takeFailureToReport(reason)); // once
}

} // namespace
} // namespace orvane
