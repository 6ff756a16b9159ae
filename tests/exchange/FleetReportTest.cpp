#include <gtest/gtest.h>

#include <ctime>

#include "exchange/FleetReport.h"

namespace mox::test {
namespace {

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

TEST(FleetReportTest, OneLinePerRadioWithTheReasonOfAFailureQuotedWhereItHoldsACommaOrAQuote) {
    FleetRadioResult written;
    written.PortNumber = 3;
    written.Identity = {"RB516", 0, "V200", 0};
    written.Outcome = FleetOutcome::Written;
    written.EndedAt = LocalTime(2026, 12, 10, 1, 2, 3);
    FleetRadioResult verified = written;
    verified.PortNumber = 12;
    verified.Outcome = FleetOutcome::Verified;
    FleetRadioResult refused = written;
    refused.Identity.BandCode = 8;
    refused.Outcome = FleetOutcome::Failed;
    refused.Reason = "The band, \"8\", does not match.";
    FleetRadioResult silent;
    silent.PortNumber = 4;
    silent.Reason = "The radio does not answer.";
    silent.EndedAt = written.EndedAt;

    EXPECT_EQ(FleetReportCsv({written, verified, refused, silent}),
              "time,port,model,band,version,result\r\n"
              "2026-12-10 01:02:03,COM3,RB516,0,V200,written\r\n"
              "2026-12-10 01:02:03,COM12,RB516,0,V200,verified\r\n"
              "2026-12-10 01:02:03,COM3,RB516,8,V200,\"failed: The band, \"\"8\"\", does not match.\"\r\n"
              "2026-12-10 01:02:03,COM4,,,,failed: The radio does not answer.\r\n");
    EXPECT_EQ(FleetReportCsv({}), "time,port,model,band,version,result\r\n");
}

}  // namespace
}  // namespace mox::test
